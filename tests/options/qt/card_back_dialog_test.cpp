// The card back dialog writes each deck with the value its type uses, on "&Apply" and OK only,
// and the pattern grid takes only left clicks inside a cell.
#include "options/qt/card_back_dialog.h"

#include <QLabel>
#include <QTest>

#include "game/memory_settings.h"
#include "options/pattern_grid.h"
#include "options/qt/card_pattern_dialog.h"
#include "qt_shell_helpers.h"

namespace tavolex::test {
namespace {

struct CardBackDialogTest : testing::Test {
    TfmCardBack& Open() {
        dialog = std::make_unique<TfmCardBack>(
            store, [this](const CardBacks& backs) { applied.push_back(backs); }, nullptr, pickers);
        dialog->show();
        return *dialog;
    }
    void Click(const char* caption) { Captioned(dialog.get(), caption)->click(); }
    void Press(const char* name) { dialog->findChild<QPushButton*>(name)->click(); }

    MemorySettings store;
    std::vector<CardBacks> applied;
    CardBackPickers pickers{
        [](const QColor&, QWidget*) { return std::optional<QColor>(QColor(0, 255, 0)); },
        [](int, QWidget*) { return std::optional<int>(4); },
        [](const QString&, QWidget*) { return std::optional<QString>("/pictures/back.png"); }};
    std::unique_ptr<TfmCardBack> dialog;
};

TEST_F(CardBackDialogTest, ApplyWritesEachDeckAndStaysOpenOkStoresColourAndPictureAndCloses) {
    Open();
    Click("Deck Two");
    Click("S&tandard Pattern");
    Press("bnChange");
    Press("bnApply");
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0][1], (CardBackRecord{kPatternBack, 128, "", 4}));
    EXPECT_EQ(Stored(store, "Cardback"), "color0=128 pattern1=4 type0=0 type1=1");

    Click("Deck One");
    Press("bnChange");  // deck one, solid colour
    Click("Deck Two");
    Click("C&ustom Pattern");
    Press("bnChange");
    Press("bnOK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(applied.size(), 2u);
    EXPECT_EQ(Stored(store, "Cardback"),
              "color0=65280 filename1=/pictures/back.png pattern1=4 type0=0 type1=2");
    // The picture does not exist: the preview falls back to a colour back, nothing fails.
    EXPECT_FALSE(dialog->findChild<QLabel*>("lbPreview")->pixmap().isNull());
}

TEST_F(CardBackDialogTest, CancelWritesNothingAndAppliesNothing) {
    store.WriteValue("Cardback\\Type0", int64_t{1});
    store.WriteValue("Cardback\\Pattern0", int64_t{8});
    Open();
    EXPECT_TRUE(Captioned(dialog.get(), "S&tandard Pattern")->isChecked()) << "the stored type";
    Click("&Solid Color");
    Press("bnCancel");
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(Stored(store, "Cardback"), "pattern0=8 type0=1");
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
}  // namespace tavolex::test
