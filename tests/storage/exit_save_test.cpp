// The game written on exit: a turn in the middle of melding is rewound so the file always holds
// the running game, never an older one.
#include "storage/exit_save.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "game/melds.h"
#include "game/pile_take.h"
#include "game/status_texts.h"
#include "position.h"
#include "saved_game_test_support.h"

namespace tavolex {
namespace {

using test::BuildPosition;
using test::IndexOf;
using test::Names;

// Worth 60 points: a valid opening meld on their own.
constexpr const char* kAces = "spadea cluba diamonda";
constexpr const char* kHand = "heart9 club9 spade5 heart6 spade7";

class ExitSaveTest : public ::testing::Test {
  protected:
    ExitSaveTest() {
        game.table.ProgramFolder = folder.Path().string();
        reloaded.table.ProgramFolder = folder.Path().string();
    }
    void Meld(const char* name) { MeldCard(game.table, IndexOf(game.state().PlayerHand, name)); }
    bool AutosaveExists() const { return std::filesystem::exists(folder.File("autosave.tvx")); }
    // The old autosave a refused save would have left behind.
    void WriteOlderAutosave() { test::WriteFile(folder.File("autosave.tvx"), "older game"); }

    test::ScratchFolder folder;
    HeadlessGame game;
    HeadlessGame reloaded;
};

TEST_F(ExitSaveTest, APendingPileTakeIsUndoneWithoutTheChargeAndSaved) {
    BuildPosition(game, {.playerHand = kHand,
                         .playerMelds = kAces,
                         .discardPile = "heart3 spade4 diamond9",
                         .playerHasDrawn = false,
                         .playerScore = 700,
                         .pileFrozen = true});
    TakePile(game.table);
    Meld("heart9");
    ASSERT_TRUE(game.state().TopCardPending);
    ASSERT_FALSE(SaveGame(game.table, true));  // what the plain autosave would do
    WriteOlderAutosave();

    EXPECT_EQ(SaveOnExit(game.table, true), ExitSave::Saved);

    ASSERT_TRUE(LoadGame(reloaded.table, true));
    const GameState& state = reloaded.state();
    EXPECT_EQ(Names(state.PlayerHand), Names(game.state().PlayerHand));
    EXPECT_EQ(state.PlayerHand.count, 5);
    EXPECT_EQ(Names(state.PlayerMelds), kAces);
    EXPECT_EQ(Names(state.DiscardPile), "heart3 spade4 diamond9");
    EXPECT_EQ(state.PlayerScore, 700);
    EXPECT_EQ(state.Prompt, kPromptDraw);
    EXPECT_FALSE(state.HasDrawn || state.PileTakeUndoable || state.TopCardPending);
}

TEST_F(ExitSaveTest, AnUnfinishedMeldGoesBackToTheHandAndTheTurnGoesOn) {
    BuildPosition(game, {.playerHand = kHand, .playerMelds = kAces});
    Meld("heart9");
    Meld("club9");
    ASSERT_FALSE(MeldsValid(game.table));
    WriteOlderAutosave();

    EXPECT_EQ(SaveOnExit(game.table, true), ExitSave::Saved);

    ASSERT_TRUE(LoadGame(reloaded.table, true));
    const GameState& state = reloaded.state();
    EXPECT_EQ(state.PlayerHand.count, 5);
    EXPECT_EQ(IndexOf(state.PlayerHand, "heart9") >= 0 && IndexOf(state.PlayerHand, "club9") >= 0,
              true);
    EXPECT_EQ(Names(state.PlayerMelds), kAces);
    EXPECT_TRUE(state.HasDrawn);  // the player melds or discards next, as before
}

TEST_F(ExitSaveTest, ValidMeldsOfThisTurnStayAsTheyAre) {
    BuildPosition(game, {.playerHand = "heart9 club9 spade9 spade5", .playerMelds = kAces});
    Meld("heart9");
    Meld("club9");
    Meld("spade9");

    EXPECT_EQ(SaveOnExit(game.table, true), ExitSave::Saved);

    ASSERT_TRUE(LoadGame(reloaded.table, true));
    EXPECT_EQ(Names(reloaded.state().PlayerHand), "spade5");
}

TEST_F(ExitSaveTest, WithoutAGameInProgressOrWithAutosaveOffTheFileIsDeleted) {
    BuildPosition(game, {.playerHand = kHand, .playerMelds = kAces});
    game.state().GameInProgress = 0;
    WriteOlderAutosave();
    EXPECT_EQ(SaveOnExit(game.table, true), ExitSave::Deleted);
    EXPECT_FALSE(AutosaveExists());

    game.state().GameInProgress = 1;
    WriteOlderAutosave();
    EXPECT_EQ(SaveOnExit(game.table, false), ExitSave::Deleted);
    EXPECT_FALSE(AutosaveExists());
}

}  // namespace
}  // namespace tavolex
