#include "network/peer_message.h"

#include <gtest/gtest.h>

#include "game/peer_codes.h"
#include "game/peer_link.h"
#include "storage/saved_game.h"
#include "storage/saved_game_test_support.h"
#include "table/deal.h"
#include "table/headless_game.h"

namespace tavolex {
namespace {

const std::string kSep(1, kFieldSeparator);

PeerMessage Decoded(int token, const std::string& parameters) {
    const DecodedMessage decoded = DecodePeerMessage(FrameMessage(token, parameters));
    EXPECT_TRUE(decoded.message) << decoded.error;
    if (!decoded.message) return {};
    EXPECT_EQ(decoded.message->token, token);
    return *decoded.message;
}

// The deal text a real deal of a network game sends.
std::string SentDeal() {
    HeadlessGame game(7);
    game.table.NetworkActive = true;
    DealHand(game.table, true);
    for (const HeadlessPeer::Sent& sent : game.peer.sent) {
        if (sent.token == kTokenDeal) return sent.parameters;
    }
    ADD_FAILURE() << "no deal sent";
    return {};
}

// A saved game's LOADGAME text, its piles and the turn numbers the loading side adds.
struct LoadedFile {
    SavedGame game;
    std::string text;
};
LoadedFile SentLoadGame() {
    ReadResult read = ReadSavedGame(test::ReadFile(test::TestData("saved/small-800x600.tvx")));
    EXPECT_TRUE(read.game);
    return {*read.game, read.game->peerText + "1 3 8 50 120 -35 "};
}

TEST(PeerMessage, EveryTokenWordIsFoundAtItsIndexAndOnlyExactly) {
    for (int index = 0; index < kTokenWordCount; ++index) {
        EXPECT_EQ(TokenIndex(kTokenWords[index]), index);
    }
    for (const char* word : {"meld", "MELD ", "", "UNKNOWNX", "CHAT\xFE"}) {
        EXPECT_EQ(TokenIndex(word), kTokenUnknown) << word;
    }
}

TEST(PeerMessage, NextFieldCutsAtEitherSeparator) {
    const std::string end(1, kMessageEnd);
    const struct {
        std::string text, field, rest;
    } cases[] = {
        {"", "", ""},
        {"MELD", "MELD", ""},
        {"MELD" + kSep + "12" + end, "MELD", "12" + end},
        {"12" + end + "DISCARD", "12", "DISCARD"},
        {kSep + kSep, "", kSep},
        {end, "", ""},
        {"A" + kSep, "A", ""},
    };
    for (const auto& c : cases) {
        std::string_view text = c.text;
        EXPECT_EQ(NextField(text), c.field) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
}

TEST(PeerMessage, EveryKindRoundTrips) {
    for (int token : std::initializer_list<int>{0, 1, 2, kTokenDrawNew, kTokenDrawPileTop,
                                                kTokenDrawPileRest, kTokenUndoPile,
                                                kTokenPassDiscard, kTokenNewGame, kTokenHandOver}) {
        Decoded(token, "");
    }
    EXPECT_EQ(Decoded(kTokenChat, "ann: hi there").text, "ann: hi there");
    const PeerMessage id = Decoded(kTokenPlayerId, "ann" + kSep + "501");
    EXPECT_EQ(id.text, "ann");
    EXPECT_EQ(id.version, "501");
    EXPECT_EQ(Decoded(kTokenMeld, "12").cardId, 12);
    EXPECT_EQ(Decoded(kTokenDiscard, "53").cardId, 53);
    EXPECT_EQ(Decoded(kTokenDiscardRedThree, "41").cardId, 41);
    const PeerMessage un = Decoded(kTokenUndoMeld, CardRefCode(53, 13));
    EXPECT_EQ(un.cardId, 53);
    EXPECT_EQ(un.column, 13);
    const PeerMessage wild = Decoded(kTokenMeldWildcard, "14" + kSep + "0");
    EXPECT_EQ(wild.cardId, 14);
    EXPECT_EQ(wild.column, 0);

    RuleOptions rules = HoyleRules();
    rules.NumberOfCards = 2;
    rules.AddExistingMeld = 1;
    EXPECT_EQ(Decoded(kTokenRules, RulesString(rules)).rules, rules);
    EXPECT_EQ(Decoded(kTokenRules, RulesString(RuleOptions{})).rules, RuleOptions{});

    const std::string deal = SentDeal();
    const DealText dealt = Decoded(kTokenDeal, deal).deal;
    std::string again(1, dealt.dealerStartsFirst ? '1' : '0');
    for (uint8_t slot : dealt.slots) again += static_cast<char>(slot + kWireOffset);
    EXPECT_EQ(again, deal);

    const LoadedFile file = SentLoadGame();
    const LoadGameText loaded = Decoded(kTokenLoadGame, file.text).game;
    const GameState& state = file.game.state;
    const CardPile* piles[] = {
        &state.Stock,           &state.OpponentHand, &state.DiscardPile, &state.DiscardPileSaved,
        &state.OpponentMelds,   &state.PlayerHand,   &state.PlayerMelds, &state.PlayerHandSaved,
        &state.PlayerMeldsSaved};
    for (int segment = 0; segment < 9; ++segment) {
        ASSERT_EQ(loaded.piles[segment].size(), piles[segment]->count) << segment;
        for (int i = 0; i < piles[segment]->count; ++i) {
            EXPECT_EQ(loaded.piles[segment][i].cardId, piles[segment]->cards[i].cardId);
            EXPECT_EQ(loaded.piles[segment][i].deck, piles[segment]->cards[i].deck);
        }
    }
    EXPECT_EQ(loaded.piles[5][2].column, 1);  // the wild card in the hand keeps its column
    EXPECT_EQ(loaded.tallies[0], state.PlayerTally);
    EXPECT_EQ(loaded.turn, (std::array<int32_t, 6>{1, 3, 8, 50, 120, -35}));
}

TEST(PeerMessage, BadFieldsAreReportedNotGuessed) {
    const std::string deal = SentDeal();
    std::string repeatedSlot = deal;
    repeatedSlot[2] = repeatedSlot[1];
    const std::string text = SentLoadGame().text;
    std::string cardMissing = text;
    cardMissing.erase(0, 1);
    std::string wildWithoutColumn = text;
    wildWithoutColumn.replace(wildWithoutColumn.find("1 "), 2, "");
    std::string rules = RulesString(HoyleRules());
    const std::string wrongFlag = "X" + rules.substr(1);
    const std::string twelveFields = rules.substr(0, rules.rfind(kFieldSeparator));

    // Each token with the parameters it refuses.
    const std::pair<int, std::vector<std::string>> refused[] = {
        {kTokenMeld, {"", "0", "54", "+5", "-5", "99999999999", "12\xFF"}},
        {kTokenDiscard, {"12" + kSep + "13"}},
        {kTokenDrawNew, {"x"}},
        {kTokenUndoMeld, {CardRefCode(12, 14), CardRefCode(54, 1), "!"}},
        {kTokenMeldWildcard, {"53", "53" + kSep + "14"}},
        {kTokenPlayerId, {"ann", std::string(256, 'a') + kSep + "501"}},
        {kTokenDeal, {deal.substr(0, 108), "2" + deal.substr(1), repeatedSlot}},
        {kTokenRules, {wrongFlag, twelveFields, rules + kSep + "T"}},
        {kTokenLoadGame,
         {cardMissing, wildWithoutColumn, text + "7 ", text.substr(0, text.size() - 4)}},
    };
    // A message without its end byte, and an unknown word.
    std::vector<std::pair<std::string, const char*>> messages = {
        {"MELD" + kSep + "12", "Invalid message: "}, {"FOO" + kSep + "\xFF", "Unknown token: "}};
    for (const auto& [token, parameters] : refused)
        for (const std::string& parameter : parameters)
            messages.push_back({FrameMessage(token, parameter), "Invalid message: "});
    for (const auto& [message, error] : messages) {
        const DecodedMessage decoded = DecodePeerMessage(message);
        EXPECT_FALSE(decoded.message) << message;
        EXPECT_EQ(decoded.error, error + message);
    }
}

}  // namespace
}  // namespace tavolex
