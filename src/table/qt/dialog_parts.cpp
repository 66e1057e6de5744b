#include "table/qt/dialog_parts.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QWhatsThis>

namespace tavolex {

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

void AddScoreRow(QGridLayout* grid, int row, const QString& caption, int32_t value) {
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(NumberLabel(value), row, 1);
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
