// The card backs: how they are stored, the names of their images and the grid of patterns to
// pick from.
#include "options/card_back.h"

#include <gtest/gtest.h>

#include "game/memory_settings.h"
#include "options/card_image_names.h"
#include "options/pattern_grid.h"

namespace tavolex {
namespace {

TEST(CardBackRecordTest, MissingOrOddValuesReadAsDefaultsAndSavingKeepsOnlyWhatTheTypeUses) {
    MemorySettings store;
    // Missing values: the table and the dialog have different defaults.
    const CardBacks table = LoadCardBacks(store, CardBackDefaults::kTable);
    EXPECT_EQ(table[0].Color, 128);
    EXPECT_EQ(table[1], (CardBackRecord{kSolidColorBack, 16512, "", 0}));
    const CardBacks dialog = LoadCardBacks(store, CardBackDefaults::kDialog);
    EXPECT_EQ(dialog[1].Color, 128);
    EXPECT_EQ(dialog[0].Pattern, 1);

    // Odd stored values fall back to the defaults; a long file name is cut.
    MemorySettings odd;
    odd.WriteValue("Cardback\\Type1", int64_t{9});
    odd.WriteValue("Cardback\\Pattern1", int64_t{10});
    odd.WriteValue("Cardback\\Color1", std::string("blue"));
    odd.WriteValue("Cardback\\Filename1", std::string(400, 'x'));
    EXPECT_EQ(LoadCardBack(odd, 1, CardBackDefaults::kTable),
              (CardBackRecord{kSolidColorBack, 16512, std::string(255, 'x'), 0}));

    // Saving writes the type and only the value it uses.
    SaveCardBacks(store, {CardBackRecord{kPatternBack, 4242, "a.bmp", 7},
                          CardBackRecord{kPictureBack, 4242, "/pics/b.png", 3}});
    EXPECT_EQ(ReadInt(store, "Cardback\\Type0", -1), 1);
    EXPECT_EQ(ReadInt(store, "Cardback\\Pattern0", -1), 7);
    EXPECT_FALSE(store.ValueExists("Cardback\\Color0"));
    EXPECT_FALSE(store.ValueExists("Cardback\\Filename0"));
    EXPECT_EQ(ReadText(store, "Cardback\\Filename1", ""), "/pics/b.png");
    EXPECT_FALSE(store.ValueExists("Cardback\\Pattern1"));
    // The pattern stays stored while the colour is in use.
    SaveCardBack(store, 0, CardBackRecord{kSolidColorBack, 0x00FF00, "", 0});
    EXPECT_EQ(LoadCardBack(store, 0, CardBackDefaults::kTable),
              (CardBackRecord{kSolidColorBack, 0x00FF00, "", 7}));
}

TEST(CardImageNamesTest, FacesAndPatternsAreNamedBySuitFaceAndLayout) {
    EXPECT_EQ(FaceImageName(3 * 13 + 9, 1), "heartb800");
    EXPECT_EQ(FaceImageName(kJokerImage, 3), "joker1024");
    EXPECT_EQ(PatternImageName(9, 0), "shell640");
}

// Cards of 53 x 81: five across, two down, five pixels apart; a point between cells hits nothing.
TEST(PatternGridTest, CellsLieInAGridAndAPointHitsTheCellItLiesIn) {
    EXPECT_EQ(PatternGridExtent(53, 81).x, 5 * 58 + 5);
    EXPECT_EQ(PatternGridExtent(53, 81).y, 2 * 86 + 5);
    // Both sides of each edge of a cell.
    EXPECT_EQ(PatternCellAt(5, 5, 53, 81), 0);
    EXPECT_EQ(PatternCellAt(4, 40, 53, 81), -1);
    EXPECT_EQ(PatternCellAt(57, 85, 53, 81), 0);
    EXPECT_EQ(PatternCellAt(58, 40, 53, 81), -1);
    EXPECT_EQ(PatternCellAt(30, 86, 53, 81), -1);
    EXPECT_EQ(PatternCellAt(30, 4, 53, 81), -1);
    EXPECT_EQ(PatternCellAt(4 * 58 + 5 + 52, 91 + 80, 53, 81), 9);
}

}  // namespace
}  // namespace tavolex
