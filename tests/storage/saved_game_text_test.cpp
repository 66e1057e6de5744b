// The saved-game text: as our writer produces it and our reader takes it back, and damaged texts,
// each refused as a whole while the running game stays as it was.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

#include "game/table.h"
#include "saved_game_test_support.h"
#include "storage/saved_game.h"
#include "support/position.h"
#include "table/deal.h"

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

    // A pile line starts with its key and count (the first line with the header before them),
    // then nine numbers a card.
    std::string& CardField(size_t line, int card, int field) {
        return lines[line][(line == 0 ? 3 : 0) + 2 + 9 * card + field];
    }

    // A group keyed as the file keys it, for any identity and rank.
    void SetGroup(size_t line, int card, int cardId, int rank) {
        const int dividend = std::stoi(lines[line][line == 0 ? 3 : 0]) + 399;
        CardField(line, card, 0) = std::to_string(dividend / (cardId + 1));
        CardField(line, card, 1) = std::to_string(dividend / (rank + 1));
        CardField(line, card, 7) = std::to_string(dividend % (cardId + 1));
        CardField(line, card, 8) = std::to_string(dividend % (rank + 1));
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
    {"MagicRunningOn", [](SavedText& t) { t.lines[0][0] = "TavolexSavedGameX"; }},
    {"Version414", [](SavedText& t) { t.lines[0][1] = "414"; }, ReadError::Version},
    {"VersionNotANumber", [](SavedText& t) { t.lines[0][1] = "4l5"; }},
    {"LayoutAboveThree", [](SavedText& t) { t.lines[0][2] = "4"; }},
    {"CountBelowTheCards",
     [](SavedText& t) { t.lines[kStockLine][4] = std::to_string(std::stoi(t.lines[0][4]) - 1); }},
    {"KeyOfAThousand", [](SavedText& t) { t.lines[1][0] = "1000"; }},
    {"MissingNumber", [](SavedText& t) { t.lines[kTurnLine].pop_back(); }},
    {"ExtraNumber", [](SavedText& t) { t.lines[kPlayerTallyLine].push_back("0"); }},
    {"NonNumericPosition", [](SavedText& t) { t.CardField(kStockLine, 0, 2) = "a3"; }},
    {"ZeroDivisor", [](SavedText& t) { t.CardField(kStockLine, 0, 0) = "0"; }},
    {"CardIdAbove53", [](SavedText& t) { t.SetGroup(kStockLine, 0, 54, 2); }},
    {"CardIdZero", [](SavedText& t) { t.SetGroup(kStockLine, 0, 0, 0); }},
    {"RankNotOfItsCard", [](SavedText& t) { t.SetGroup(kStockLine, 0, 5, 7); }},
    {"PointsNotOfItsCard",
     [](SavedText& t) {
         std::string& points = t.CardField(kStockLine, 0, 4);
         points = std::to_string(std::stoi(points) + 5);
     }},
    {"ACardTwiceInOneDeck",
     [](SavedText& t) {
         std::string& deck = t.CardField(kStockLine, 0, 6);
         deck = deck == "0" ? "1" : "0";
     }},
    {"LastLineMissing", [](SavedText& t) { t.lines.pop_back(); }},
    {"GarbageAfterTheLastLine", [](SavedText& t) { t.lines.push_back({"x"}); }},
};

// The lines of a text split at CR LF, the last one included.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string WrittenText(HeadlessGame& game) {
    return WriteSavedGame(game.state(), game.table.Resolution, game.random, game.clock);
}

void ExpectRoundTrip(HeadlessGame& game) {
    const std::string text = WrittenText(game);
    const ReadResult result = ReadSavedGame(text);
    ASSERT_EQ(result.error, ReadError::None) << text;
    EXPECT_EQ(result.game->layout, game.table.Resolution);
    EXPECT_TRUE(result.game->state == test::SavedPart(game.state()));
}

TEST(SavedGameText, EveryNumberIsFollowedByOneSpaceAndLinesEndInCrLfExceptTheLast) {
    HeadlessGame game(3, 1);
    DealHand(game.table, true);
    const std::string text = WrittenText(game);

    EXPECT_TRUE(text.starts_with("TavolexSavedGame 415 1 "));
    EXPECT_FALSE(text.ends_with("\n"));
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 13u);
    for (const std::string& line : lines) {
        EXPECT_TRUE(line.ends_with(' ')) << line;
        EXPECT_EQ(line.find("  "), std::string::npos) << line;
        EXPECT_EQ(line.find_first_not_of("-0123456789 ", line.starts_with("Tavolex") ? 16 : 0),
                  std::string::npos)
            << line;
    }

    // Line ends a text editor may leave behind are not damage.
    const ReadResult read = ReadSavedGame(text);
    ASSERT_TRUE(read.game);
    std::string lineFeeds = text;
    std::erase(lineFeeds, '\r');
    for (const std::string& edited : {text + "\r\n", lineFeeds}) {
        const ReadResult editedRead = ReadSavedGame(edited);
        ASSERT_TRUE(editedRead.game);
        EXPECT_TRUE(editedRead.game->state == read.game->state);
    }

    // Each save takes a new key; with no time since start the key is zero.
    EXPECT_NE(WrittenText(game), text);
    game.clock.milliseconds = 0;
    const SavedText unkeyed(WrittenText(game));
    for (size_t pile = 0; pile < 9; ++pile) EXPECT_EQ(unkeyed.lines[pile][pile ? 0 : 3], "0");
}

TEST(SavedGameText, DealtHandsReadBackAsWritten) {
    for (int resolution = 0; resolution < kLayouts; ++resolution) {
        for (uint32_t seed = 1; seed <= 12; ++seed) {
            SCOPED_TRACE("layout " + std::to_string(resolution) + " seed " + std::to_string(seed));
            HeadlessGame game(seed, resolution);
            game.clock.milliseconds = 1000 + 7919 * seed;
            DealHand(game.table, seed == 1);
            ExpectRoundTrip(game);
        }
    }
}

TEST(SavedGameText, PositionsInTheMiddleOfAHandReadBackAsWritten) {
    HeadlessGame game(5, 1);
    test::BuildPosition(game, test::kMidHand);
    GameState& state = game.state();
    state.TopMeldCountBefore = 2;
    state.TopNaturalsBefore = 1;
    state.HandOverlap = 14;
    state.OpponentFaceUp = 1;
    state.PlayerMinimum = 120;
    state.OpponentPhase = 0;
    ExpectRoundTrip(game);

    // An empty pile holds its key and count, and its anchors where it has them: here the discard
    // pile (line 3) and the player's melds (line 7).
    HeadlessGame small(1, 0);
    test::BuildPosition(small, {.playerHand = "heart5 club9", .opponentHand = "spade4"});
    const SavedText text(WrittenText(small));
    EXPECT_EQ(text.lines[2].size(), 2u);
    EXPECT_EQ(text.lines[6].size(), 30u);
    ExpectRoundTrip(small);
}

class DamagedSavedGame : public testing::TestWithParam<Damage> {};

TEST_P(DamagedSavedGame, IsRefusedAndLeavesTheRunningGameAsItWas) {
    HeadlessGame writer(21, 1);
    DealHand(writer.table, true);
    SavedText text(WrittenText(writer));
    GetParam().apply(text);
    const ReadResult result = ReadSavedGame(text.Join());
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_FALSE(result.game);

    // Loaded from a file, every refusal names the file as it was given.
    test::ScratchFolder folder;
    const std::string path = folder.File("My Notes.tvx");
    test::WriteFile(path, text.Join());
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

}  // namespace
}  // namespace tavolex
