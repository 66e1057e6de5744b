// Saved games read against descriptions of what they hold: files written by an independent writer
// of the format, and one written by hand from it (800 x 600, keys 0, 1 and 999 among others,
// empty meld piles, a face-up flag written as 2, a negative score).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "saved_game_test_support.h"
#include "storage/saved_game.h"

namespace tavolex {

// The turn fields of a description, by their names (found by argument-dependent lookup).
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(GameState, PileFrozen, HasDrawn, PileTakeUndoable,
                                   TopCardPending, BlackThreesAllowed, GameInProgress,
                                   OpponentFaceUp, TopMeldCountBefore, TopNaturalsBefore,
                                   NaturalPairNeeded, HandOverlap, OpponentMeldPoints,
                                   OpponentScore, PlayerScore, PlayerMinimum, Prompt, OpponentPhase)

namespace {

using nlohmann::json;

struct NamedPile {
    const char* name;
    CardPile GameState::*pile;
};

constexpr NamedPile kPiles[] = {
    {"Stock", &GameState::Stock},
    {"OpponentHand", &GameState::OpponentHand},
    {"DiscardPile", &GameState::DiscardPile},
    {"DiscardPileSaved", &GameState::DiscardPileSaved},
    {"OpponentMelds", &GameState::OpponentMelds},
    {"PlayerHand", &GameState::PlayerHand},
    {"PlayerMelds", &GameState::PlayerMelds},
    {"PlayerHandSaved", &GameState::PlayerHandSaved},
    {"PlayerMeldsSaved", &GameState::PlayerMeldsSaved},
};

// A pile's cards and, where the description has them, its column anchors.
CardPile PileFrom(const json& description, const std::string& name) {
    CardPile pile;
    for (const json& entry : description.at(name)) {
        const auto cardId = CardIdFromName(entry.at("card").get<std::string>());
        EXPECT_TRUE(cardId.has_value()) << entry;
        CardRecord card = MakeCard(cardId.value_or(0), entry.at("deck").get<uint8_t>());
        card.x = entry.at("x");
        card.y = entry.at("y");
        card.points = entry.at("points");
        card.faceUp = entry.at("faceUp");
        pile.cards[pile.count++] = card;
    }
    if (description.contains(name + "Anchors")) {
        const json& anchors = description.at(name + "Anchors");
        for (int column = 0; column < kColumns; ++column) {
            pile.anchors[column] = {anchors.at(column).at(0), anchors.at(column).at(1)};
        }
    }
    return pile;
}

MeldTally TallyFrom(const json& entry) {
    MeldTally tally;
    tally.canastaCount = entry.at("canastaCount");
    for (int column = 1; column < kColumns; ++column) {
        tally.CanastaKind[column] = entry.at("CanastaKind").at(column - 1);
        tally.NaturalCount[column] = entry.at("NaturalCount").at(column - 1);
    }
    return tally;
}

class GoldenSavedGame : public testing::TestWithParam<const char*> {};

TEST_P(GoldenSavedGame, ReadsExactlyWhatItsDescriptionSays) {
    const std::string name = GetParam();
    const json description = json::parse(test::ReadFile(test::TestData(name + ".json")));
    const ReadResult result = ReadSavedGame(test::ReadFile(test::TestData(name + ".tvx")));
    ASSERT_EQ(result.error, ReadError::None);
    ASSERT_TRUE(result.game);
    const GameState& state = result.game->state;
    EXPECT_EQ(result.game->layout, description.at("Layout").get<int>());

    GameState expected;
    for (const NamedPile& pile : kPiles) {
        expected.*pile.pile = PileFrom(description, pile.name);
        EXPECT_TRUE(state.*pile.pile == expected.*pile.pile) << pile.name;
    }
    expected.PlayerTally = TallyFrom(description.at("PlayerTally"));
    expected.OpponentTally = TallyFrom(description.at("OpponentTally"));
    expected.PlayerTallySaved = TallyFrom(description.at("PlayerTallySaved"));
    description.at("TurnFields").get_to(expected);
    EXPECT_EQ(json(state), description.at("TurnFields"));
    // The tallies, and the fields the file does not hold as in a fresh state.
    EXPECT_TRUE(state == expected);
    // What a peer is sent of it: one character per card (deck 1 shifted by 64), the column after
    // each wild card of an anchored pile, each pile and tally ended by the separator.
    if (description.contains("PeerText")) {
        const std::string& peer = result.game->peerText;
        EXPECT_EQ(std::vector<uint8_t>(peer.begin(), peer.end()),
                  description.at("PeerText").get<std::vector<uint8_t>>());
    }
}

INSTANTIATE_TEST_SUITE_P(SavedGame, GoldenSavedGame,
                         testing::Values("golden/start-of-hand-800x600", "golden/mid-hand-640x480",
                                         "golden/pending-pile-take-1024x768",
                                         "saved/small-800x600"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::erase_if(name, [](char c) { return c == '-' || c == '/'; });
                             return name;
                         });

}  // namespace
}  // namespace tavolex
