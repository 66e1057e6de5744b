// The JSON of a game state, and deal, show and play run as the command line runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/cli/commands.h"
#include "app/cli/state_json.h"
#include "game/status_texts.h"
#include "position.h"

namespace tavolex::cli {
namespace {

namespace fs = std::filesystem;

class CommandRun : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tavolex-cli-" +
                   std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string File(const char* name) const { return (folder_ / name).string(); }

    int Run(const std::vector<std::string>& arguments) {
        out_.str({});
        err_.str({});
        return RunCli(arguments, out_, err_);
    }
    Json LastJson() const {
        const std::string text = out_.str();
        return Json::parse(
            text.substr(text.find("\n{") == std::string::npos ? 0 : text.find("\n{")));
    }

    fs::path folder_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST(StateJson, NamesEveryFieldAndEachCard) {
    HeadlessGame game;
    test::BuildPosition(game,
                        {.playerHand = "heartb spade10", .playerMelds = "joker club9 heart9"});
    const Json json = StateToJson(game.state(), "the status");
    const Json& card = json["PlayerHand"][0];
    EXPECT_EQ(card["card"], "heartb");
    EXPECT_EQ(card["deck"], 0);
    EXPECT_EQ(card["x"], game.state().PlayerHand.cards[0].x);
    EXPECT_EQ(card["y"], game.state().PlayerHand.cards[0].y);
    EXPECT_EQ(card["faceUp"], 1);
    EXPECT_EQ(json["PlayerMelds"][0]["card"], "joker");
    EXPECT_EQ(json["PlayerTally"]["CanastaKind"].size(), static_cast<size_t>(kColumns));
    EXPECT_EQ(json["Rules"]["NumberOfCanastas"], 1);
    EXPECT_TRUE(json["TakenTopCard"].is_null());
    EXPECT_EQ(json["status"], "the status");
    std::istringstream fields(
        "Stock DiscardPile OpponentHand DiscardPileSaved OpponentMelds PlayerHandSaved "
        "PlayerMeldsSaved OpponentTally PlayerTallySaved WildcardPicked TopCardPending "
        "PileFrozen HasDrawn BlackThreesAllowed PileTakeUndoable NothingDrawnYet "
        "OpponentScore PlayerScore OpponentMeldPoints WentOut PlayerMeldedBefore "
        "OpponentMeldedBefore TopMeldCountBefore TopNaturalsBefore NaturalPairNeeded "
        "CardsDrawn PlayerMeldCount PlayerHandCount OpponentHandCount OpponentMeldCount "
        "DiscardCount KnownPlayerCards KnownOpponentCards TakenTopRank Prompt OpponentPhase "
        "ErrorCode HandOverlap OpponentFaceUp PlayerMinimum PlayerStartsNext GameInProgress "
        "RejectReason PlayerLocked StockExhausted EndHandRequested");
    for (std::string field; fields >> field;) EXPECT_TRUE(json.contains(field)) << field;
}

TEST_F(CommandRun, ADealtHandShowsThePlayerToDrawFirst) {
    ASSERT_EQ(Run({"deal", "--seed", "7", "--out", File("seven.tvx")}), kExitOk) << err_.str();
    ASSERT_EQ(Run({"show", File("seven.tvx")}), kExitOk) << err_.str();
    const Json shown = LastJson();
    EXPECT_EQ(shown["status"], kPromptTexts[kPromptDraw]);
    EXPECT_EQ(shown["PlayerHand"].size(), 15u);
    EXPECT_EQ(shown["OpponentHand"].size(), 15u);
    EXPECT_EQ(shown["PlayerLocked"], 0);
    size_t cards = 0;
    for (const char* pile :
         {"Stock", "DiscardPile", "OpponentHand", "PlayerHand", "OpponentMelds", "PlayerMelds"})
        cards += shown[pile].size();
    EXPECT_EQ(cards, 108u);

    // The same seed deals the same hand.
    ASSERT_EQ(Run({"deal", "--seed", "7", "--out", File("again.tvx")}), kExitOk);
    ASSERT_EQ(Run({"show", File("again.tvx")}), kExitOk);
    EXPECT_EQ(LastJson(), shown);
}

TEST_F(CommandRun, PlayReportsEachActionSavesTheResultAndNamesAnActionWithoutItsCard) {
    ASSERT_EQ(Run({"deal", "--seed", "11", "--set", "Settings\\Mouse Options=Double Right Click",
                   "--out", File("hand.tvx")}),
              kExitOk);
    ASSERT_EQ(Run({"show", File("hand.tvx")}), kExitOk);
    const std::string firstCard = LastJson()["PlayerHand"][0]["card"];

    ASSERT_EQ(Run({"play", File("hand.tvx"), "--set", "Settings\\Mouse Options=Double Right Click",
                   "draw", "discard:" + firstCard, "--out", File("after.tvx")}),
              kExitOk)
        << err_.str();
    std::istringstream lines(out_.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, std::string("draw\t") + kPromptTexts[kPromptMeldOrDiscardTwice]);
    // With two right clicks to discard, one click leaves the card in the hand.
    std::getline(lines, line);
    EXPECT_EQ(line, "discard:" + firstCard + "\t" + kPromptTexts[kPromptMeldOrDiscardTwice]);
    EXPECT_EQ(LastJson()["HasDrawn"], 1);

    ASSERT_EQ(Run({"show", File("after.tvx")}), kExitOk);
    EXPECT_EQ(LastJson()["HasDrawn"], 1);
    EXPECT_EQ(LastJson()["PlayerHand"].size(), 16u);

    // An action whose card is not on the table is reported and does nothing.
    ASSERT_EQ(Run({"play", File("hand.tvx"), "wild:A"}), kExitOk);
    EXPECT_TRUE(out_.str().starts_with(std::string("wild:A\t") + kPromptTexts[kPromptDraw] +
                                       "\t(its target is not on the table)\n"));
}

}  // namespace
}  // namespace tavolex::cli
