#include "table/qt/plain_card_images.h"

#include <QPainter>
#include <QPainterPath>

#include "game/cards.h"
#include "game/table_layout.h"

namespace tavolex {

namespace {

constexpr const char* kRankTexts[] = {"2", "3",  "4", "5", "6", "7", "8",
                                      "9", "10", "J", "Q", "K", "A"};
constexpr const char* kSuitSymbols[] = {"\u2660", "\u2663", "\u2666", "\u2665"};
constexpr int kCornerRadius = 6;

QPixmap Blank(QSize size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap DrawFace(int cardId, QSize size, qreal ratio, bool highlighted) {
    QPixmap pixmap = Blank(size, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(0.5, 0.5, size.width() - 1, size.height() - 1);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(highlighted ? QColor(255, 255, 160) : QColor(Qt::white));
    painter.drawRoundedRect(card, kCornerRadius / 2.0, kCornerRadius / 2.0);
    const bool joker = cardId == kJokerId;
    const bool red = IsRedSuit(static_cast<uint8_t>(cardId));
    painter.setPen(joker ? QColor(120, 0, 160) : red ? QColor(200, 0, 0) : QColor(Qt::black));
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(std::max(9, size.height() / 8));
    painter.setFont(font);
    const QString index = joker ? QStringLiteral("W")
                                : QString::fromUtf8(kRankTexts[(cardId - 1) % kFaces]) + "\n" +
                                      QString::fromUtf8(kSuitSymbols[(cardId - 1) / kFaces]);
    // Only a 12-pixel strip of a stacked card shows: the index sits in the top-left corner.
    painter.drawText(QRectF(3, 1, size.width() - 4, size.height() / 2.0),
                     Qt::AlignLeft | Qt::AlignTop, index);
    font.setPixelSize(size.height() / 3);
    painter.setFont(font);
    const QString centre =
        joker ? QStringLiteral("\u2605") : QString::fromUtf8(kSuitSymbols[(cardId - 1) / kFaces]);
    painter.drawText(QRectF(0, size.height() / 3.0, size.width(), size.height() * 2 / 3.0),
                     Qt::AlignCenter, centre);
    return pixmap;
}

QPixmap DrawBack(QColor colour, QSize size, qreal ratio) {
    QPixmap pixmap = Blank(size, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), kCornerRadius,
                            kCornerRadius);
    return pixmap;
}

}  // namespace

void PlainCardImages::Build(int resolution, const std::array<QColor, 2>& backs,
                            qreal devicePixelRatio) {
    const ScreenLayout& layout = ScreenLayoutAt(resolution);
    size_ = QSize(layout.cardWidth, layout.cardHeight);
    for (int cardId = 1; cardId <= kJokerId; ++cardId) {
        faces_[cardId - 1] = DrawFace(cardId, size_, devicePixelRatio, false);
        highlighted_[cardId - 1] = DrawFace(cardId, size_, devicePixelRatio, true);
    }
    for (int deck = 0; deck < 2; ++deck)
        backs_[deck] = DrawBack(backs[deck], size_, devicePixelRatio);
}

}  // namespace tavolex
