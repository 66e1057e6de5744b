// The saved-game text as our writer produces it and our reader takes it back.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "saved_game_test_support.h"
#include "storage/saved_game.h"
#include "support/position.h"
#include "table/deal.h"

namespace tavolex {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

void ExpectRoundTrip(HeadlessGame& game) {
    const std::string text =
        WriteSavedGame(game.state(), game.table.Resolution, game.random, game.clock);
    const ReadResult result = ReadSavedGame(text);
    ASSERT_EQ(result.error, ReadError::None) << text;
    EXPECT_EQ(result.game->layout, game.table.Resolution);
    EXPECT_TRUE(result.game->state == test::SavedPart(game.state()));
}

TEST(SavedGameText, EveryNumberIsFollowedByOneSpaceAndLinesEndInCrLfExceptTheLast) {
    HeadlessGame game(3, 1);
    DealHand(game.table, true);
    const std::string text = WriteSavedGame(game.state(), 1, game.random, game.clock);

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
    // Pile lines: key, count, nine numbers a card, and the anchors where the pile has them.
    const GameState& state = game.state();
    EXPECT_EQ(Words(lines[0]).size(), 3 + 2 + 9u * state.Stock.count);
    EXPECT_EQ(Words(lines[1]).size(), 2 + 9u * state.OpponentHand.count);
    EXPECT_EQ(Words(lines[5]).size(), 2 + 9u * state.PlayerHand.count + 28);
    for (int tally = 9; tally < 12; ++tally) EXPECT_EQ(Words(lines[tally]).size(), 27u);
    EXPECT_EQ(Words(lines[12]).size(), 17u);
}

TEST(SavedGameText, AnEmptyPileHoldsItsKeyAndCountAndAnchorsWhereItHasThem) {
    HeadlessGame game(1, 0);
    test::BuildPosition(game, {.playerHand = "heart5 club9", .opponentHand = "spade4"});
    const std::string text = WriteSavedGame(game.state(), 0, game.random, game.clock);
    const std::vector<std::string> lines = Lines(text);
    // The discard pile (line 3) and the player's melds (line 7) are empty.
    EXPECT_EQ(Words(lines[2]).size(), 2u);
    EXPECT_EQ(Words(lines[2])[1], "0");
    EXPECT_EQ(Words(lines[6]).size(), 30u);
    EXPECT_EQ(Words(lines[6])[1], "0");
    ExpectRoundTrip(game);
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

TEST(SavedGameText, APositionInTheMiddleOfAHandReadsBackAsWritten) {
    HeadlessGame game(5, 1);
    test::BuildPosition(
        game,
        {.playerHand = "heart5 club5 joker spade2 diamondv",
         .playerMelds = "heart7 club7 spade7 diamond7 heart7 club7 joker | spadeh clubh hearth",
         .opponentHand = "spade4 club4",
         .opponentMelds = "heart3 | spadea cluba hearta diamonda spadea cluba heart2",
         .discardPile = "heart9 diamond2 club8",
         .playerScore = -120,
         .opponentScore = 4990,
         .pileFrozen = true});
    GameState& state = game.state();
    state.TopMeldCountBefore = 2;
    state.TopNaturalsBefore = 1;
    state.HandOverlap = 14;
    state.OpponentFaceUp = 1;
    state.PlayerMinimum = 120;
    state.OpponentPhase = 0;
    ExpectRoundTrip(game);
}

TEST(SavedGameText, TwoSavesOfOnePositionDifferInTheirKeysAndReadTheSame) {
    HeadlessGame game(8, 2);
    DealHand(game.table, true);
    const std::string first = WriteSavedGame(game.state(), 2, game.random, game.clock);
    const std::string second = WriteSavedGame(game.state(), 2, game.random, game.clock);
    EXPECT_NE(first, second);
    const ReadResult firstRead = ReadSavedGame(first);
    const ReadResult secondRead = ReadSavedGame(second);
    ASSERT_TRUE(firstRead.game && secondRead.game);
    EXPECT_TRUE(firstRead.game->state == secondRead.game->state);
    EXPECT_EQ(firstRead.game->peerText, secondRead.game->peerText);
}

// No time since start, no key: the key is the generator's number scaled by the clock.
TEST(SavedGameText, TheKeyScalesTheGeneratorByTheClock) {
    HeadlessGame game(2, 1);
    DealHand(game.table, true);
    game.clock.milliseconds = 0;
    const std::vector<std::string> lines =
        Lines(WriteSavedGame(game.state(), 1, game.random, game.clock));
    EXPECT_EQ(Words(lines[0])[3], "0");
    for (int pile = 1; pile < 9; ++pile) EXPECT_EQ(Words(lines[pile])[0], "0");
}

}  // namespace
}  // namespace tavolex
