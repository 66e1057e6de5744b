#include "table/qt/dialog_parts.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QWhatsThis>
#include <algorithm>

namespace tavolex {

namespace {
// The title bar's icon, its three buttons and the margins between them.
constexpr int kTitleBarFurniture = 110;
}  // namespace

int CaptionWidth(const QString& caption) {
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + kTitleBarFurniture;
}

bool CaptionFitter::eventFilter(QObject* watched, QEvent* event) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() != QEvent::Show || dialog == nullptr || !dialog->isWindow()) return false;
    const int needed = CaptionWidth(dialog->windowTitle());
    if (dialog->width() >= needed) return false;
    dialog->setMaximumWidth(std::max(dialog->maximumWidth(), needed));
    dialog->setMinimumWidth(needed);
    dialog->resize(needed, dialog->height());
    return false;
}

QLabel* HeadingLabel(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* NumberLabel(int32_t value, bool bold) {
    auto* label = new QLabel(QString::number(value));
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QFrame* HorizontalRule() {
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

QGridLayout* ScoreTable(const QString& opponentLabel, int32_t playerScore, int32_t opponentScore,
                        int32_t difference) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setColumnStretch(0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Your Score:")), 0, 0);
    grid->addWidget(NumberLabel(playerScore), 0, 1);
    grid->addWidget(new QLabel(opponentLabel), 1, 0);
    grid->addWidget(NumberLabel(opponentScore), 1, 1);
    grid->addWidget(HorizontalRule(), 2, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Difference:")), 3, 0);
    grid->addWidget(NumberLabel(difference, true), 3, 1);
    return grid;
}

void InstallWhatsThisMenu(QDialog* dialog) {
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        if (control->whatsThis().isEmpty()) continue;
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(control, &QWidget::customContextMenuRequested, control,
                         [control](const QPoint& position) {
                             QMenu menu;
                             QAction* item = menu.addAction(QStringLiteral("What's This?"));
                             const QPoint global = control->mapToGlobal(position);
                             if (menu.exec(global) == item) {
                                 QWhatsThis::showText(global, control->whatsThis(), control);
                             }
                         });
    }
}

}  // namespace tavolex
