#include "table/qt/card_images.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "game/table_layout.h"
#include "options/qt/stored_color.h"

namespace tavolex {
namespace {

const CardBacks kPatternBacks = {CardBackRecord{kPatternBack, 128, "", 0},
                                 CardBackRecord{kPatternBack, 128, "", 7}};

QRgb CentrePixel(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

TEST(CardImagesTest, EveryLayoutBuildsAllImagesAtItsCardSize) {
    for (int resolution = 0; resolution < kLayouts; ++resolution) {
        CardImages images;
        images.Build(resolution, kPatternBacks, 1);
        const ScreenLayout& screen = ScreenLayoutAt(resolution);
        const QSize size(screen.cardWidth, screen.cardHeight);
        EXPECT_EQ(images.CardSize(), size);
        for (int cardId = 1; cardId <= kFaceImages; ++cardId) {
            ASSERT_FALSE(images.Face(cardId).isNull()) << cardId << " at " << resolution;
            EXPECT_EQ(images.Face(cardId).size(), size);
            // The face is drawn, and the corner outside the rounded card stays clear.
            EXPECT_EQ(qAlpha(CentrePixel(images.Face(cardId))), 255);
            EXPECT_EQ(qAlpha(images.Face(cardId).toImage().pixel(0, 0)), 0);
        }
        for (int deck = 0; deck < 2; ++deck) {
            EXPECT_EQ(images.Back(deck).size(), size);
            EXPECT_EQ(qAlpha(CentrePixel(images.Back(deck))), 255);
        }
    }
}

TEST(CardImagesTest, HighDensityScreensGetTwiceThePixelsAtTheSameLogicalSize) {
    CardImages images;
    images.Build(1, kPatternBacks, 2);
    EXPECT_EQ(images.CardSize(), QSize(53, 81));
    EXPECT_EQ(images.Face(1).size(), QSize(106, 162));
    EXPECT_EQ(images.Face(1).deviceIndependentSize(), QSizeF(53, 81));
    EXPECT_EQ(images.Back(1).size(), QSize(106, 162));
    EXPECT_EQ(images.Highlighted(53).size(), QSize(106, 162));
}

TEST(CardImagesTest, TheHighlightedStyleDiffersFromTheFace) {
    CardImages images;
    images.Build(0, kPatternBacks, 1);
    EXPECT_NE(CentrePixel(images.Highlighted(13)), CentrePixel(images.Face(13)));
    EXPECT_TRUE(images.Face(0).isNull());
    EXPECT_TRUE(images.Highlighted(54).isNull());
}

TEST(CardImagesTest, AColourBackIsARoundedRectangleOfTheStoredColour) {
    CardImages images;
    images.Build(0,
                 {CardBackRecord{kSolidColorBack, 128, "", 0},
                  CardBackRecord{kSolidColorBack, 16512, "", 0}},
                 1);
    EXPECT_EQ(QColor(CentrePixel(images.Back(0))), QColor(128, 0, 0));
    EXPECT_EQ(QColor(CentrePixel(images.Back(1))), QColor(128, 64, 0));
    EXPECT_EQ(qAlpha(images.Back(0).toImage().pixel(0, 0)), 0);
    EXPECT_EQ(StoredFromColor(ColorFromStored(16512)), 16512);
}

TEST(CardImagesTest, APictureThatCannotBeShownFallsBackToTheDefaultColour) {
    QTemporaryDir folder;
    const QString garbage = folder.filePath("garbage.bmp");
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a picture");
    file.close();
    const QString huge = folder.filePath("huge.png");
    QImage(9000, 10, QImage::Format_RGB32).save(huge);
    const QString good = folder.filePath("good.bmp");
    QImage picture(20, 30, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    picture.setPixel(0, 0, qRgb(255, 0, 255));
    picture.save(good);

    for (const QString& name : {folder.filePath("missing.bmp"), garbage, huge, QString()}) {
        const QPixmap back =
            RenderCardBack({kPictureBack, 0xFFFFFF, name.toStdString(), 0}, 1, 0, QSize(42, 65), 1);
        EXPECT_EQ(QColor(CentrePixel(back)), QColor(128, 64, 0)) << name.toStdString();
    }
    const QPixmap back =
        RenderCardBack({kPictureBack, 0, good.toStdString(), 0}, 0, 0, QSize(40, 60), 1);
    EXPECT_EQ(QColor(CentrePixel(back)), QColor(0, 0, 255));
    EXPECT_EQ(qAlpha(back.toImage().pixel(0, 0)), 0) << "magenta shows the table through";
}

TEST(CardImagesTest, ApplyingBacksRendersOnlyTheBackThatChanged) {
    CardImages images;
    images.Build(2, kPatternBacks, 1);
    const qint64 back0 = images.Back(0).cacheKey();
    const qint64 back1 = images.Back(1).cacheKey();
    CardBacks changed = kPatternBacks;
    changed[1] = CardBackRecord{kSolidColorBack, 0xFF0000, "", 7};
    images.ApplyCardBacks(changed);
    EXPECT_EQ(images.Back(0).cacheKey(), back0);
    EXPECT_NE(images.Back(1).cacheKey(), back1);
    EXPECT_EQ(QColor(CentrePixel(images.Back(1))), QColor(0, 0, 255));
    EXPECT_EQ(images.Backs(), changed);
}

}  // namespace
}  // namespace tavolex
