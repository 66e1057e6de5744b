// Files written by an independent writer of the format, each read against a description of
// what it holds.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "game/peer_link.h"
#include "saved_game_test_support.h"
#include "storage/saved_game.h"
#include "support/position.h"

namespace tavolex {
namespace {

using nlohmann::json;

struct NamedPile {
    const char* name;
    CardPile GameState::*pile;
    bool anchored;
};

constexpr NamedPile kPiles[] = {
    {"Stock", &GameState::Stock, false},
    {"OpponentHand", &GameState::OpponentHand, false},
    {"DiscardPile", &GameState::DiscardPile, false},
    {"DiscardPileSaved", &GameState::DiscardPileSaved, false},
    {"OpponentMelds", &GameState::OpponentMelds, true},
    {"PlayerHand", &GameState::PlayerHand, true},
    {"PlayerMelds", &GameState::PlayerMelds, true},
    {"PlayerHandSaved", &GameState::PlayerHandSaved, true},
    {"PlayerMeldsSaved", &GameState::PlayerMeldsSaved, true},
};

CardPile PileFrom(const json& cards, const json* anchors) {
    CardPile pile;
    for (const json& entry : cards) {
        const auto cardId = CardIdFromName(entry.at("card").get<std::string>());
        EXPECT_TRUE(cardId.has_value()) << entry;
        CardRecord card = MakeCard(cardId.value_or(0), entry.at("deck").get<uint8_t>());
        card.x = entry.at("x");
        card.y = entry.at("y");
        card.points = entry.at("points");
        card.faceUp = entry.at("faceUp");
        pile.cards[pile.count++] = card;
    }
    if (anchors) {
        for (int column = 0; column < kColumns; ++column) {
            pile.anchors[column] = {anchors->at(column).at(0), anchors->at(column).at(1)};
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

void ApplyTurnFields(const json& fields, GameState& state) {
    state.PileFrozen = fields.at("PileFrozen");
    state.HasDrawn = fields.at("HasDrawn");
    state.PileTakeUndoable = fields.at("PileTakeUndoable");
    state.TopCardPending = fields.at("TopCardPending");
    state.BlackThreesAllowed = fields.at("BlackThreesAllowed");
    state.GameInProgress = fields.at("GameInProgress");
    state.OpponentFaceUp = fields.at("OpponentFaceUp");
    state.TopMeldCountBefore = fields.at("TopMeldCountBefore");
    state.TopNaturalsBefore = fields.at("TopNaturalsBefore");
    state.NaturalPairNeeded = fields.at("NaturalPairNeeded");
    state.HandOverlap = fields.at("HandOverlap");
    state.OpponentMeldPoints = fields.at("OpponentMeldPoints");
    state.OpponentScore = fields.at("OpponentScore");
    state.PlayerScore = fields.at("PlayerScore");
    state.PlayerMinimum = fields.at("PlayerMinimum");
    state.Prompt = fields.at("Prompt");
    state.OpponentPhase = fields.at("OpponentPhase");
}

void ExpectSamePile(const CardPile& read, const CardPile& expected) {
    ASSERT_EQ(read.count, expected.count);
    for (int i = 0; i < read.count; ++i)
        EXPECT_EQ(read.cards[i], expected.cards[i]) << "card " << i;
    for (int column = 0; column < kColumns; ++column) {
        EXPECT_EQ(read.anchors[column], expected.anchors[column]) << "anchor " << column;
    }
}

class GoldenSavedGame : public testing::TestWithParam<const char*> {};

TEST_P(GoldenSavedGame, ReadsExactlyWhatItsDescriptionSays) {
    const std::string name = GetParam();
    const json description =
        json::parse(test::ReadFile(test::TestData("golden/" + name + ".json")));
    const ReadResult result =
        ReadSavedGame(test::ReadFile(test::TestData("golden/" + name + ".tvx")));
    ASSERT_EQ(result.error, ReadError::None);
    ASSERT_TRUE(result.game);
    const SavedGame& game = *result.game;

    GameState expected;
    for (const NamedPile& pile : kPiles) {
        const std::string anchorsName = std::string(pile.name) + "Anchors";
        expected.*pile.pile = PileFrom(description.at(pile.name),
                                       pile.anchored ? &description.at(anchorsName) : nullptr);
        SCOPED_TRACE(pile.name);
        ExpectSamePile(game.state.*pile.pile, expected.*pile.pile);
    }
    expected.PlayerTally = TallyFrom(description.at("PlayerTally"));
    expected.OpponentTally = TallyFrom(description.at("OpponentTally"));
    expected.PlayerTallySaved = TallyFrom(description.at("PlayerTallySaved"));
    ApplyTurnFields(description.at("TurnFields"), expected);

    EXPECT_EQ(game.layout, description.at("Layout").get<int>());
    EXPECT_EQ(game.state.PlayerTally, expected.PlayerTally);
    EXPECT_EQ(game.state.OpponentTally, expected.OpponentTally);
    EXPECT_EQ(game.state.PlayerTallySaved, expected.PlayerTallySaved);
    // Everything else, the fields the file does not hold included, is as in a fresh state.
    EXPECT_TRUE(game.state == expected);
}

INSTANTIATE_TEST_SUITE_P(SavedGame, GoldenSavedGame,
                         testing::Values("start-of-hand-800x600", "mid-hand-640x480",
                                         "pending-pile-take-1024x768"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::erase(name, '-');
                             return name;
                         });

CardRecord Card(const std::string& name, uint8_t deck, int32_t x, int32_t y, uint8_t faceUp) {
    CardRecord card = MakeCard(CardIdFromName(name).value_or(0), deck);
    card.x = x;
    card.y = y;
    card.faceUp = faceUp;
    return card;
}

std::vector<std::string> Segments(const std::string& peerText) {
    std::vector<std::string> segments(1);
    for (const char c : peerText) {
        if (c == kFieldSeparator) {
            segments.emplace_back();
        } else {
            segments.back() += c;
        }
    }
    return segments;
}

// Written by hand from the format: 800 x 600, keys 0, 1 and 999 among others, empty meld piles,
// a face-up flag written as 2, a negative score.
TEST(SavedGame, ReadsAHandWrittenFile) {
    const ReadResult result =
        ReadSavedGame(test::ReadFile(test::TestData("saved/small-800x600.tvx")));
    ASSERT_EQ(result.error, ReadError::None);
    const GameState& state = result.game->state;
    EXPECT_EQ(result.game->layout, 1);

    ASSERT_EQ(state.Stock.count, 98);
    EXPECT_EQ(state.Stock.cards[0], Card("spade3", 0, 3, 179, 0));
    EXPECT_EQ(state.Stock.Top(), Card("joker", 1, 3, 179, 0));
    EXPECT_EQ(test::Names(state.OpponentHand), "spade4 club4 diamond4 heart4");
    EXPECT_EQ(state.OpponentHand.cards[3], Card("heart4", 0, 33, 5, 0));
    ASSERT_EQ(state.DiscardPile.count, 2);
    EXPECT_EQ(state.DiscardPile.cards[0], Card("heart9", 0, 3, 264, 1));
    EXPECT_EQ(state.DiscardPile.cards[1], Card("joker", 0, 3, 264, 1));
    EXPECT_EQ(state.DiscardPileSaved, state.DiscardPile);

    ASSERT_EQ(state.OpponentMelds.count, 1);
    EXPECT_EQ(state.OpponentMelds.cards[0], Card("heart3", 0, 115, 178, 1));
    EXPECT_EQ(state.OpponentMelds.anchors[2], (Anchor{115, 178}));
    EXPECT_EQ(state.OpponentMelds.anchors[13], (Anchor{731, 190}));
    ASSERT_EQ(state.PlayerHand.count, 3);
    EXPECT_EQ(state.PlayerHand.cards[0], Card("club5", 0, 227, 399, 1));
    EXPECT_EQ(state.PlayerHand.cards[1], Card("diamond5", 0, 227, 411, 1));
    EXPECT_EQ(state.PlayerHand.cards[2], Card("spade2", 0, 59, 399, 1));
    EXPECT_EQ(state.PlayerHandSaved, state.PlayerHand);
    EXPECT_EQ(state.PlayerMelds.count, 0);
    EXPECT_EQ(state.PlayerMelds.anchors[0], (Anchor{3, 244}));
    EXPECT_EQ(state.PlayerMelds.anchors[13], (Anchor{731, 244}));
    EXPECT_EQ(state.PlayerMeldsSaved, state.PlayerMelds);
    EXPECT_EQ(state.PlayerTally, MeldTally{});
    EXPECT_EQ(state.OpponentTally, MeldTally{});

    EXPECT_EQ(state.PileFrozen, 1);
    EXPECT_EQ(state.HasDrawn, 0);
    EXPECT_EQ(state.GameInProgress, 1);
    EXPECT_EQ(state.HandOverlap, 10);
    EXPECT_EQ(state.OpponentScore, 120);
    EXPECT_EQ(state.PlayerScore, -35);
    EXPECT_EQ(state.PlayerMinimum, 15);
    EXPECT_EQ(state.Prompt, 0);
    EXPECT_EQ(state.OpponentPhase, 8);
}

// One character per card (deck 1 shifted by 64), the column after each wild card of an anchored
// pile, each pile and tally ended by the separator.
TEST(SavedGame, CollectsThePeerTextWhileReading) {
    const ReadResult result =
        ReadSavedGame(test::ReadFile(test::TestData("saved/small-800x600.tvx")));
    ASSERT_TRUE(result.game);
    const std::vector<std::string> segments = Segments(result.game->peerText);
    ASSERT_EQ(segments.size(), 13u);
    EXPECT_EQ(segments[0].size(), 98u);
    EXPECT_EQ(segments[0].front(), static_cast<char>(2 + 32));
    EXPECT_EQ(segments[0].back(), static_cast<char>(53 + 32 + 64));
    EXPECT_EQ(segments[1], "#0=J");
    EXPECT_EQ(segments[2], "OU");
    EXPECT_EQ(segments[4], "I");
    EXPECT_EQ(segments[5], "1>!1 ");
    EXPECT_EQ(segments[6], "");
    std::string zeros;
    for (int i = 0; i < 27; ++i) zeros += "0 ";
    EXPECT_EQ(segments[9], zeros);
    EXPECT_EQ(segments[12], "");
}

}  // namespace
}  // namespace tavolex
