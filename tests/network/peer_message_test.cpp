#include "network/peer_message.h"

#include <gtest/gtest.h>

#include "game/card_pile.h"
#include "game/peer_codes.h"
#include "game/peer_link.h"
#include "storage/saved_game.h"
#include "storage/saved_game_test_support.h"

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

TEST(PeerMessage, TokenWordsAreFoundOnlyExactly) {
    EXPECT_EQ(TokenIndex("LOADGAME"), kTokenLoadGame);
    for (const char* word : {"meld", "MELD ", "", "UNKNOWN"})
        EXPECT_EQ(TokenIndex(word), kTokenUnknown);
}

TEST(PeerMessage, NextFieldCutsAtEitherSeparator) {
    const std::string end(1, kMessageEnd);
    const struct {
        std::string text, field, rest;
    } cases[] = {
        {"MELD", "MELD", ""},
        {"MELD" + kSep + "12" + end, "MELD", "12" + end},
        {"12" + end + "DISCARD", "12", "DISCARD"},
    };
    for (const auto& c : cases) {
        std::string_view text = c.text;
        EXPECT_EQ(NextField(text), c.field) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
}

// The mirrored random play of two tables sends and decodes every kind; here the edges of the
// fields that it may not reach.
TEST(PeerMessage, FieldsDecodeUpToTheirLimits) {
    EXPECT_EQ(Decoded(kTokenChat, std::string(255, 'a')).text.size(), 255u);
    EXPECT_EQ(Decoded(kTokenMeld, "53").cardId, 53);
    const PeerMessage un = Decoded(kTokenUndoMeld, CardRefCode(53, 13));
    EXPECT_EQ(un.cardId * 100 + un.column, 5313);
    EXPECT_EQ(Decoded(kTokenMeldWildcard, "1" + kSep + "0").cardId, 1);
    EXPECT_EQ(Decoded(kTokenRules, RulesString(RuleOptions{})).rules, RuleOptions{});

    const LoadedFile file = SentLoadGame();
    const LoadGameText loaded = Decoded(kTokenLoadGame, file.text).game;
    EXPECT_EQ(loaded.piles[5][2].column, 1);  // the wild card in the hand keeps its column
    EXPECT_EQ(loaded.tallies[0], file.game.state.PlayerTally);
    EXPECT_EQ(loaded.turn, (std::array<int32_t, 6>{1, 3, 8, 50, 120, -35}));
}

TEST(PeerMessage, BadFieldsAreReportedNotGuessed) {
    std::string deal = "1";
    for (int slot = 0; slot < kMaxPile; ++slot) deal += static_cast<char>(slot + kWireOffset);
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
