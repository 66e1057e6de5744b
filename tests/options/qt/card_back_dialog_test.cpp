#include "options/qt/card_back_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "game/memory_settings.h"
#include "options/pattern_grid.h"
#include "options/qt/card_pattern_dialog.h"

namespace tavolex {
namespace {

void ClickRadio(QWidget& dialog, const QString& caption) {
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>()) {
        if (button->text() == caption) return QTest::mouseClick(button, Qt::LeftButton);
    }
    FAIL() << "no radio button " << caption.toStdString();
}

void ClickButton(QWidget& dialog, const char* name) {
    QPushButton* button = dialog.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

struct CardBackDialogTest : testing::Test {
    MemorySettings store;
    std::vector<CardBacks> applied;
    CardBackPickers pickers{
        [](const QColor&, QWidget*) { return std::optional<QColor>(QColor(0, 255, 0)); },
        [](int, QWidget*) { return std::optional<int>(4); },
        [](const QString&, QWidget*) { return std::optional<QString>("/pictures/back.png"); }};

    std::unique_ptr<TfmCardBack> Open() {
        auto dialog = std::make_unique<TfmCardBack>(
            store, [this](const CardBacks& backs) { applied.push_back(backs); }, nullptr, pickers);
        dialog->show();
        return dialog;
    }
};

TEST_F(CardBackDialogTest, ApplyWritesEachDeckWithTheValueItsTypeUsesAndStaysOpen) {
    auto open = Open();
    TfmCardBack& dialog = *open;
    ClickRadio(dialog, "Deck Two");
    ClickRadio(dialog, "S&tandard Pattern");
    ClickButton(dialog, "bnChange");
    ClickButton(dialog, "bnApply");

    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0][1], (CardBackRecord{kPatternBack, 128, "", 4}));
    EXPECT_EQ(ReadInt(store, "Cardback\\Type1", -1), 1);
    EXPECT_EQ(ReadInt(store, "Cardback\\Pattern1", -1), 4);
    EXPECT_FALSE(store.ValueExists("Cardback\\Color1"));
    EXPECT_EQ(ReadInt(store, "Cardback\\Type0", -1), 0);
    EXPECT_EQ(ReadInt(store, "Cardback\\Color0", -1), 128);
    EXPECT_FALSE(store.ValueExists("Cardback\\Pattern0"));
}

TEST_F(CardBackDialogTest, OkStoresThePickedColourAndPictureAndCloses) {
    auto open = Open();
    TfmCardBack& dialog = *open;
    ClickButton(dialog, "bnChange");  // deck one, solid colour
    ClickRadio(dialog, "Deck Two");
    ClickRadio(dialog, "C&ustom Pattern");
    ClickButton(dialog, "bnChange");
    ClickButton(dialog, "bnOK");

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(ReadInt(store, "Cardback\\Color0", -1), 0x00FF00);
    EXPECT_EQ(ReadInt(store, "Cardback\\Type1", -1), 2);
    EXPECT_EQ(ReadText(store, "Cardback\\Filename1", ""), "/pictures/back.png");
    // The picture does not exist: the preview falls back to a colour back, nothing fails.
    EXPECT_FALSE(dialog.findChild<QLabel*>("lbPreview")->pixmap().isNull());
}

TEST_F(CardBackDialogTest, CancelWritesNothingAndAppliesNothing) {
    store.WriteValue("Cardback\\Type0", int64_t{1});
    store.WriteValue("Cardback\\Pattern0", int64_t{8});
    auto open = Open();
    TfmCardBack& dialog = *open;
    EXPECT_TRUE(dialog.findChildren<QRadioButton*>()[3]->isChecked()) << "the stored type shows";
    ClickRadio(dialog, "&Solid Color");
    ClickButton(dialog, "bnCancel");
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(ReadInt(store, "Cardback\\Type0", -1), 1);
    EXPECT_FALSE(store.ValueExists("Cardback\\Type1"));
}

TEST(PatternGridTest, ALeftClickInACellSelectsItOtherClicksDoNot) {
    PatternGrid grid(3);
    grid.show();
    const QSize cell = grid.CellSize();
    const GridCell seven = PatternCellOrigin(7, cell.width(), cell.height());
    QTest::mouseClick(&grid, Qt::RightButton, {}, QPoint(seven.x + 10, seven.y + 10));
    EXPECT_EQ(grid.Selected(), 3);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(seven.x + 10, seven.y + 10));
    EXPECT_EQ(grid.Selected(), 7);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(seven.x - 2, seven.y + 10));
    EXPECT_EQ(grid.Selected(), 7) << "a click between the cells changes nothing";
    EXPECT_EQ(PatternGrid(12).Selected(), 0);
}

}  // namespace
}  // namespace tavolex
