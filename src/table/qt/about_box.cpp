#include "table/qt/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "table/qt/dialog_parts.h"

namespace tavolex {

namespace {

// Three aces fanned over the green of the table.
class CardFan : public QWidget {
  public:
    CardFan() { setFixedSize(260, 150); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath felt;
        felt.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
        painter.fillPath(felt, QColor(0x1f, 0x6b, 0x3a));
        painter.setPen(QPen(QColor(0x14, 0x4a, 0x28), 2));
        painter.drawPath(felt);

        struct Card {
            qreal angle;
            QChar suit;
            QColor colour;
        };
        // Laid from left to right, so every card's corner index stays in sight.
        const Card cards[] = {{-20, QChar(0x2665), QColor(0xc8, 0x10, 0x2e)},
                              {0, QChar(0x2660), QColor(0x15, 0x15, 0x15)},
                              {20, QChar(0x2666), QColor(0xc8, 0x10, 0x2e)}};
        for (const Card& card : cards) DrawCard(painter, card.angle, card.suit, card.colour);
    }

  private:
    void DrawCard(QPainter& painter, qreal angle, QChar suit, const QColor& colour) {
        constexpr qreal kWidth = 64;
        constexpr qreal kHeight = 94;
        painter.save();
        // The fan turns about a point below the felt, as cards held in a hand do.
        painter.translate(width() / 2.0, height() + 50);
        painter.rotate(angle);
        const QRectF face(-kWidth / 2, -kHeight - 66, kWidth, kHeight);
        painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        painter.setBrush(QColor(0xfd, 0xfd, 0xf8));
        painter.drawRoundedRect(face, 6, 6);
        painter.setPen(colour);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(15);
        painter.setFont(font);
        painter.drawText(face.adjusted(5, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("A\n") + suit);
        font.setPixelSize(36);
        painter.setFont(font);
        painter.drawText(face.adjusted(0, 10, 0, 0), Qt::AlignCenter, QString(suit));
        painter.restore();
    }
};

}  // namespace

TfmAbout::TfmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfmAbout"));
    setWindowTitle(QStringLiteral("About Tavolex"));

    auto* name = HeadingLabel(kProgramCaption);
    QFont font = name->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    name->setFont(font);
    auto* version = new QLabel(QStringLiteral("Version 5.0"));
    version->setObjectName(QStringLiteral("lbVersion"));
    auto* build = new QLabel(BuildText());
    build->setObjectName(QStringLiteral("lbBuild"));
    auto* game = new QLabel(QStringLiteral("Canasta for two players"));
    for (QLabel* label : {version, build, game}) label->setAlignment(Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->addWidget(new CardFan, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(name);
    layout->addWidget(game);
    layout->addSpacing(6);
    layout->addWidget(version);
    layout->addWidget(build);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TfmAbout::BuildText() {
#ifdef TAVOLEX_VERSION
    return QStringLiteral("Build ") + QStringLiteral(TAVOLEX_VERSION);
#else
    return QStringLiteral("Build unknown");
#endif
}

void TfmAbout::Run(QWidget* parent, const std::function<void()>& playSound) {
    TfmAbout box(parent);
    if (playSound) playSound();
    box.exec();
}

}  // namespace tavolex
