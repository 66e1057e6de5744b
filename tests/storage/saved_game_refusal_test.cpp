// Damaged saved games: each is refused as a whole, and loading one leaves the running game as it
// was.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

#include "game/table.h"
#include "saved_game_test_support.h"
#include "storage/saved_game.h"
#include "table/deal.h"
#include "table/headless_game.h"

namespace tavolex {
namespace {

// A saved-game text as lines of words, damaged one word at a time.
struct SavedText {
    std::vector<std::vector<std::string>> lines;

    explicit SavedText(const std::string& text) {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            std::istringstream words(line);
            lines.emplace_back();
            for (std::string word; words >> word;) lines.back().push_back(word);
        }
    }

    std::string Join() const {
        std::string text;
        for (const auto& line : lines) {
            if (!text.empty()) text += "\r\n";
            for (const std::string& word : line) text += word + ' ';
        }
        return text;
    }

    // Index of the first number of a card group in a pile line (line 1 starts with the header).
    static size_t GroupStart(size_t line, int card) { return (line == 0 ? 3 : 0) + 2 + 9 * card; }
    int Key(size_t line) const { return std::stoi(lines[line][line == 0 ? 3 : 0]); }
    std::string& CardField(size_t line, int card, int field) {
        return lines[line][GroupStart(line, card) + field];
    }

    // A group keyed as the file keys it, for any identity and rank.
    void SetGroup(size_t line, int card, int cardId, int rank) {
        const int dividend = Key(line) + 399;
        const std::string keyed[] = {
            std::to_string(dividend / (cardId + 1)), std::to_string(dividend / (rank + 1)),
            std::to_string(dividend % (cardId + 1)), std::to_string(dividend % (rank + 1))};
        CardField(line, card, 0) = keyed[0];
        CardField(line, card, 1) = keyed[1];
        CardField(line, card, 7) = keyed[2];
        CardField(line, card, 8) = keyed[3];
    }
};

constexpr size_t kStockLine = 0;
constexpr size_t kPlayerTallyLine = 9;
constexpr size_t kTurnLine = 12;

struct Damage {
    const char* name;
    std::function<void(SavedText&)> apply;
    ReadError error = ReadError::Damaged;
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

const Damage kDamages[] = {
    {"AnotherMagic", [](SavedText& t) { t.lines[0][0] = "TavolexSavedGamf"; },
     ReadError::NotSavedGame},
    {"Version414", [](SavedText& t) { t.lines[0][1] = "414"; }, ReadError::Version},
    {"VersionNotANumber", [](SavedText& t) { t.lines[0][1] = "4l5"; }},
    {"LayoutAboveThree", [](SavedText& t) { t.lines[0][2] = "4"; }},
    {"NegativeLayout", [](SavedText& t) { t.lines[0][2] = "-1"; }},
    {"CountAbove108", [](SavedText& t) { t.lines[kStockLine][4] = "109"; }},
    {"CountBelowTheCards",
     [](SavedText& t) { t.lines[kStockLine][4] = std::to_string(std::stoi(t.lines[0][4]) - 1); }},
    {"KeyOfAThousand", [](SavedText& t) { t.lines[1][0] = "1000"; }},
    {"MissingNumber", [](SavedText& t) { t.lines[kTurnLine].pop_back(); }},
    {"ExtraNumber", [](SavedText& t) { t.lines[kPlayerTallyLine].push_back("0"); }},
    {"NonNumericPosition", [](SavedText& t) { t.CardField(kStockLine, 0, 2) = "3a"; }},
    {"PositionOffTheTable", [](SavedText& t) { t.CardField(kStockLine, 0, 3) = "2000000000"; }},
    {"ZeroDivisor", [](SavedText& t) { t.CardField(kStockLine, 0, 0) = "0"; }},
    {"CardIdAbove53", [](SavedText& t) { t.SetGroup(kStockLine, 0, 54, 2); }},
    {"CardIdZero", [](SavedText& t) { t.SetGroup(kStockLine, 0, 0, 0); }},
    {"RankNotOfItsCard", [](SavedText& t) { t.SetGroup(kStockLine, 0, 5, 7); }},
    {"PointsNotOfItsCard",
     [](SavedText& t) {
         std::string& points = t.CardField(kStockLine, 0, 4);
         points = std::to_string(std::stoi(points) + 5);
     }},
    {"DeckTwo", [](SavedText& t) { t.CardField(kStockLine, 0, 6) = "2"; }},
    {"ACardTwiceInOneDeck",
     [](SavedText& t) {
         std::string& deck = t.CardField(kStockLine, 0, 6);
         deck = deck == "0" ? "1" : "0";
     }},
    {"ACardMissing",
     [](SavedText& t) {
         auto& stock = t.lines[kStockLine];
         stock.resize(stock.size() - 9);
         stock[4] = std::to_string(std::stoi(stock[4]) - 1);
     }},
    {"CanastaKindAboveThree", [](SavedText& t) { t.lines[kPlayerTallyLine][1] = "4"; }},
    {"PromptAboveNine", [](SavedText& t) { t.lines[kTurnLine][15] = "10"; }},
    {"ScoreBeyond32Bits", [](SavedText& t) { t.lines[kTurnLine][13] = "2147483648"; }},
    {"LastLineMissing", [](SavedText& t) { t.lines.pop_back(); }},
    {"GarbageAfterTheLastLine", [](SavedText& t) { t.lines.push_back({"x"}); }},
};

class DamagedSavedGame : public testing::TestWithParam<Damage> {
  protected:
    // A dealt hand at 800 x 600, with the damage done to its text.
    std::string DamagedText() {
        HeadlessGame writer(21, 1);
        DealHand(writer.table, true);
        SavedText text(WriteSavedGame(writer.state(), 1, writer.random, writer.clock));
        GetParam().apply(text);
        return text.Join();
    }
};

TEST_P(DamagedSavedGame, IsRefusedByTheReader) {
    const ReadResult result = ReadSavedGame(DamagedText());
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_FALSE(result.game);
}

TEST_P(DamagedSavedGame, LeavesTheRunningGameAsItWas) {
    test::ScratchFolder folder;
    const std::string path = folder.File("damaged.tvx");
    test::WriteFile(path, DamagedText());
    HeadlessGame game(4, 1);
    DealHand(game.table, true);
    const GameState before = game.state();

    EXPECT_FALSE(LoadGame(game.table, true, path));
    EXPECT_TRUE(game.state() == before);
    ASSERT_EQ(game.dialogs.messages.size(), 1u);
    const std::string expected =
        GetParam().error == ReadError::Version
            ? "Version error. The file " + path + " cannot be read by Tavolex."
        : GetParam().error == ReadError::NotSavedGame
            ? path + " : this file is not a Tavolex saved game"
            : path + " : " + kLoadErrorText;
    EXPECT_EQ(game.dialogs.messages[0].text, expected);
}

INSTANTIATE_TEST_SUITE_P(SavedGame, DamagedSavedGame, testing::ValuesIn(kDamages),
                         [](const testing::TestParamInfo<Damage>& info) {
                             return std::string(info.param.name);
                         });

// Line ends a text editor may leave behind are not damage.
TEST(SavedGameReader, AcceptsALineEndAfterTheLastLineAndBareLineFeeds) {
    HeadlessGame writer(21, 1);
    DealHand(writer.table, true);
    const std::string text = WriteSavedGame(writer.state(), 1, writer.random, writer.clock);
    const ReadResult plain = ReadSavedGame(text);
    ASSERT_TRUE(plain.game);

    const ReadResult withLineEnd = ReadSavedGame(text + "\r\n");
    ASSERT_TRUE(withLineEnd.game);
    EXPECT_TRUE(withLineEnd.game->state == plain.game->state);

    std::string lineFeeds = text;
    std::erase(lineFeeds, '\r');
    const ReadResult fromLineFeeds = ReadSavedGame(lineFeeds);
    ASSERT_TRUE(fromLineFeeds.game);
    EXPECT_TRUE(fromLineFeeds.game->state == plain.game->state);
}

}  // namespace
}  // namespace tavolex
