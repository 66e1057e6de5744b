#include "table/qt/card_images.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QSvgRenderer>

#include "game/table_layout.h"
#include "options/qt/stored_color.h"

namespace tavolex {

namespace {

constexpr qreal kBackCornerRadius = 6;
// A picture larger than this is refused before it is decoded.
constexpr int kMaxPictureSide = 8192;
constexpr qint64 kMaxPicturePixels = 4096LL * 4096LL;
// Pictures use magenta where the card shows the table through.
constexpr QRgb kTransparentColor = qRgb(255, 0, 255);

QPixmap BlankImage(QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap RenderSvg(const QString& resource, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap = BlankImage(size, devicePixelRatio);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}

QPixmap ColorBack(int32_t color, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap = BlankImage(size, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A thin black edge, as the rounded rectangle is drawn with the canvas' default pen: it
    // keeps the cards of the opponent's overlapping row apart.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ColorFromStored(color));
    painter.drawRoundedRect(QRectF(QPointF(0.5, 0.5), size - QSizeF(1, 1)), kBackCornerRadius,
                            kBackCornerRadius);
    return pixmap;
}

// The picture stretched to the card, its magenta pixels transparent; null when the file is
// missing, not an image or too large to decode.
QPixmap PictureBack(const std::string& fileName, QSize size, qreal devicePixelRatio) {
    if (fileName.empty()) return {};
    QImageReader reader(QString::fromStdString(fileName));
    const QSize original = reader.size();
    if (!original.isValid() || original.width() > kMaxPictureSide ||
        original.height() > kMaxPictureSide ||
        qint64{original.width()} * original.height() > kMaxPicturePixels) {
        return {};
    }
    QImage picture = reader.read();
    if (picture.isNull()) return {};
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(line[x]) == 255 && line[x] == kTransparentColor) line[x] = 0;
        }
    }
    QPixmap pixmap = BlankImage(size, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), size), picture);
    return pixmap;
}

}  // namespace

QPixmap RenderCardBack(const CardBackRecord& back, int deck, int resolution, QSize size,
                       qreal devicePixelRatio) {
    if (back.Type == kPatternBack) {
        const QString name = QString::fromStdString(PatternImageName(back.Pattern, resolution));
        return RenderSvg(":/patterns/" + name + ".svg", size, devicePixelRatio);
    }
    if (back.Type == kPictureBack) {
        QPixmap picture = PictureBack(back.FileName, size, devicePixelRatio);
        if (!picture.isNull()) return picture;
        return ColorBack(DefaultCardBack(deck, CardBackDefaults::kTable).Color, size,
                         devicePixelRatio);
    }
    return ColorBack(back.Color, size, devicePixelRatio);
}

QPixmap HighlightedStyle(const QPixmap& image) {
    QPixmap result = image;
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.setOpacity(0.5);
    const QColor highlight = QGuiApplication::palette().color(QPalette::Highlight);
    painter.fillRect(QRectF(QPointF(0, 0), image.deviceIndependentSize()), highlight);
    return result;
}

void CardImages::Build(int resolution, const CardBacks& backs, qreal devicePixelRatio) {
    const ScreenLayout& screen = ScreenLayoutAt(resolution);
    resolution_ = resolution;
    devicePixelRatio_ = devicePixelRatio;
    cardSize_ = QSize(screen.cardWidth, screen.cardHeight);
    for (int index = 0; index < kFaceImages; ++index) {
        const QString name = QString::fromStdString(FaceImageName(index, resolution));
        faces_[index] = RenderSvg(":/cards/" + name + ".svg", cardSize_, devicePixelRatio);
        highlighted_[index] = QPixmap();
    }
    backs_ = backs;
    for (int deck = 0; deck < 2; ++deck) {
        backImages_[deck] =
            RenderCardBack(backs[deck], deck, resolution, cardSize_, devicePixelRatio);
    }
}

void CardImages::ApplyCardBacks(const CardBacks& backs) {
    for (int deck = 0; deck < 2; ++deck) {
        if (resolution_ >= 0 && backs[deck] != backs_[deck]) {
            backImages_[deck] =
                RenderCardBack(backs[deck], deck, resolution_, cardSize_, devicePixelRatio_);
        }
    }
    backs_ = backs;
}

const QPixmap& CardImages::Face(int cardId) const {
    if (cardId < 1 || cardId > kFaceImages) return none_;
    return faces_[cardId - 1];
}

const QPixmap& CardImages::Highlighted(int cardId) const {
    if (cardId < 1 || cardId > kFaceImages) return none_;
    QPixmap& highlighted = highlighted_[cardId - 1];
    if (highlighted.isNull() && !faces_[cardId - 1].isNull()) {
        highlighted = HighlightedStyle(faces_[cardId - 1]);
    }
    return highlighted;
}

const QPixmap& CardImages::Back(int deck) const {
    return backImages_[deck == 1 ? 1 : 0];
}

}  // namespace tavolex
