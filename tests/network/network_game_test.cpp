#include "network/network_game.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "game/peer_codes.h"
#include "game/rule_options.h"
#include "game/status_texts.h"
#include "net_table.h"
#include "network/chat_line.h"
#include "network/rule_differences.h"
#include "table_records.h"

namespace tavolex::test {
namespace {

constexpr char kSep = kFieldSeparator;

TEST(NetworkGame, AnotherVersionEndsTheMatchAndNothingAfterItCounts) {
    NetTable game;
    BuildPosition(game, {.opponentHand = "club6", .stock = "heart9"});
    game.Get(Message(kTokenPlayerId, std::string("bob") + kSep + "500") + Message(kTokenDrawNew));
    EXPECT_EQ(game.dialogs.messages.at(0).text,
              "You have version 50001 and your opponent has another version. Please use the "
              "same version.");
    EXPECT_FALSE(game.table.NetworkActive);
    EXPECT_EQ(game.netView.serverLeft, 1);
    EXPECT_EQ(IndexOf(game.state().OpponentHand, "heart9"), -1) << "the draw after it was applied";
}

// Received text is cut into whole messages; each token takes its own fields and what follows
// them is read as tokens again.
TEST(NetworkGame, DispatchesWholeMessagesInOrder) {
    const std::string draw = Message(kTokenDrawNew);
    const std::string discard = Message(kTokenDiscard, Id("club6"));
    const std::string words = std::string("FOO") + kSep + "BAR" + kSep + "DRAWNEW\xFF";
    const std::string fieldAfterMove = std::string("DRAWNEW") + kSep + "FOO\xFF";
    const std::string unknown = "Unknown token: " + words + "|";
    struct Case {
        const char* what;
        std::vector<std::string> arrivals;
        const char* hand;
        std::string warnings;
        bool turnEnds = false;
    } cases[] = {
        {"split", {draw + discard.substr(0, 4), discard.substr(4)}, "heart9", "", true},
        {"card not there, turn ends", {Message(kTokenDiscard, Id("hearta"))}, "club6", "", true},
        {"unknown words", {words}, "club6 heart9", unknown + unknown},
        {"field after a move", {fieldAfterMove}, "club6 heart9", "Unknown token: "},
        {"bad id, then a draw", {Message(kTokenDiscard, "54") + draw}, "club6 heart9", "Invalid"},
        {"undo, no take", {Message(kTokenUndoPile)}, "club6", "Invalid message: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NetTable game;
        game.RemoteTurn({.opponentHand = "club6", .stock = "heart9"});
        for (const std::string& text : c.arrivals) game.Get(text);
        EXPECT_EQ(Names(game.state().OpponentHand), c.hand);
        EXPECT_TRUE(game.Warnings().starts_with(c.warnings)) << game.Warnings();
        EXPECT_EQ(game.state().PlayerLocked == 0, c.turnEnds);
    }
}

TEST(NetworkGame, RefusedMessagesChangeNothing) {
    NetTable game;
    game.RemoteTurn({.opponentHand = "joker club6", .discardPile = "heart5 club2"});
    const GameState before = game.state();
    for (const std::string& text :
         {Message(kTokenDrawPileTop), Message(kTokenHandOver),
          Message(kTokenMeldWildcard, Id("joker") + kSep + "2"),
          Message(kTokenMeldWildcard, Id("club6") + kSep + "5"),
          Message(kTokenDiscardRedThree, Id("club6")),
          Message(kTokenUndoMeld, CardRefCode(*CardIdFromName("club6"), 9))}) {
        game.Get(text);
        EXPECT_EQ(game.state(), before) << text;
    }
    EXPECT_EQ(game.dialogs.messages.size(), 6u);
}

// A box shown by a receiver lets events run: a message arriving then waits for its turn.
TEST(NetworkGame, ANestedDispatchNeitherLosesNorReorders) {
    NetTable game;
    game.RemoteTurn({.opponentHand = "club6 heart7", .stock = "heart9"});
    int handDuringBox = -1;
    game.dialogs.whileInformationShows = [&] {
        game.Get(Message(kTokenMeld, Id("heart9")));
        handDuringBox = game.state().OpponentHand.count;
    };
    game.Get(Message(kTokenPassDiscard) + Message(kTokenDrawNew));
    EXPECT_EQ(game.dialogs.messages.at(0).text, "bob passes the discard.");
    EXPECT_EQ(handDuringBox, 2);
    EXPECT_EQ(Names(game.state().OpponentMelds), "heart9");
}

TEST(NetworkGame, QuestionsBeforeLeavingAMatch) {
    NetTable game;
    game.dialogs.yesNoAnswers = {false, false, true};
    EXPECT_FALSE(game.net.ConfirmClose());
    game.net.Disconnect();
    EXPECT_TRUE(game.table.NetworkActive);
    game.net.Disconnect();
    EXPECT_FALSE(game.table.NetworkActive);
    EXPECT_TRUE(game.net.ConfirmClose());
    EXPECT_EQ(game.dialogs.questions,
              (std::vector<std::string>{kCloseQuestion, kDisconnectQuestion, kDisconnectQuestion}));
}

TEST(NetworkGame, ChatLinesAreCleanedBothWays) {
    NetTable game;
    game.net.ReceiveGameCommand(std::string("bob  CHAT") + kSep +
                                "hi\tthere\x01"
                                "\xFF \r");
    game.net.DispatchReceived();
    game.net.SendChat("a\tb");
    EXPECT_EQ(game.netView.chatLines.at(0).text, "hi_there_");
    EXPECT_TRUE(game.netView.chatLines[0].received);
    EXPECT_EQ(game.netView.chatLines.at(1).text, game.peer.sent.back().parameters);
}

// The opponent's rules are listed where they differ until one side takes the other's (sent to
// the peer, not stored); the own rules come back when the match ends.
TEST(NetworkGame, RuleDifferencesAndAdoptedRules) {
    NetTable game;
    const RuleOptions own = game.state().Rules;
    WriteRuleOptions(game.settings, own);
    RuleOptions theirs = own;
    theirs.NumberOfCards = own.NumberOfCards == 1 ? 2 : 1;
    game.Get(Message(kTokenRules, RulesString(theirs)));
    EXPECT_EQ(game.netView.differences.size(), 1u);
    EXPECT_TRUE(game.netView.ruleDialogShown);
    game.net.AdoptOpponentsRules();
    EXPECT_EQ(game.state().Rules, theirs);
    EXPECT_EQ(DecodeRulesString(game.peer.sent.back().parameters), theirs);
    EXPECT_FALSE(game.netView.ruleDialogShown);
    game.net.CompareRulesAgain();
    EXPECT_TRUE(game.netView.differences.empty());
    EXPECT_EQ(LoadRuleOptions(game.settings), own);
    // A rules text that cannot be read changes nothing.
    EXPECT_FALSE(UseOpponentsRules(game.table, "T"));
    EXPECT_EQ(game.state().Rules, theirs);
    game.net.EndNetworkGame();
    EXPECT_EQ(game.state().Rules, own);
}

TEST(ChatLine, ControlAndFramingCharactersBecomeUnderscoresAndTheLineIsCut) {
    const std::string longText(300, 'x');
    struct Case {
        std::string name, text, line;
    } cases[] = {
        {"Anna", "\x01\x1f \x7f\xfa", "Anna: __ \x7f\xfa"},
        {"Anna", "\xfb\xfe\xff\r\n", "Anna: _____"},
        {"", "", ": "},
        {"Anna", longText, "Anna: " + longText.substr(0, 249)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OwnChatLine(c.name, c.text), c.line) << c.text;
        // A received line gets the same cleaning, and cleaning twice changes nothing.
        EXPECT_EQ(CleanChatLine(c.name + ": " + c.text), c.line);
        EXPECT_EQ(CleanChatLine(c.line), c.line);
    }
}

}  // namespace
}  // namespace tavolex::test
