// Saving and loading through the table: the dialogs, the refusals, the file on disk, what a
// loaded game sets around the state it reads, and the game written on exit.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "game/melds.h"
#include "game/peer_link.h"
#include "game/pile_take.h"
#include "game/status_texts.h"
#include "saved_game_test_support.h"
#include "storage/exit_save.h"
#include "storage/saved_game.h"
#include "support/position.h"
#include "table/deal.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;
using test::kMidHand;
using test::Names;

class RecordingFlow : public GameFlow {
  public:
    bool EndOfHandCheck() override { return false; }
    void StartOpponentTurn() override { ++opponentTurns; }
    void DealHand(bool) override {}
    int opponentTurns = 0;
};

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

class SavedGameFile : public testing::Test {
  protected:
    SavedGameFile() {
        game.table.ProgramFolder = folder.Path().string();
        reloaded.table.ProgramFolder = folder.Path().string();
    }
    // The autosave, after the message the damaged one gave on startup.
    std::string DamagedAutosave(const std::string& text) {
        test::WriteFile(AutosavePath(game.table), text);
        EXPECT_FALSE(LoadOnStartup(game.table, AutosavePath(game.table)));
        EXPECT_EQ(game.dialogs.messages.size(), 1u);
        DealHand(game.table, true);
        return game.dialogs.messages.empty() ? "" : game.dialogs.messages[0].text;
    }

    test::ScratchFolder folder;
    std::string path = folder.File("game.tvx");
    HeadlessGame game{6, 1};
    HeadlessGame reloaded{9, 1};
};

TEST_F(SavedGameFile, ALoadedGameReplacesTheHandAndKeepsTheRulesAndTheNextStarter) {
    test::BuildPosition(game, kMidHand);
    game.state().OpponentMeldPoints = 60;
    game.dialogs.fileName = path;
    ASSERT_TRUE(SaveGame(game.table, false));
    const GameState saved = game.state();

    DealHand(game.table, false);
    game.state().Rules.DrawExtra = 0;
    game.state().PlayerStartsNext = 0;
    game.table.undo.Add(game.state().PlayerHand.cards[0], 56);
    game.view.undoEnabled = true;
    game.table.DiscardSpread = 1;
    game.state().EndHandRequested = 1;
    game.view.repaints = 0;
    ASSERT_TRUE(LoadGame(game.table, false));

    const GameState& state = game.state();
    EXPECT_TRUE(test::SavedPart(state) == test::SavedPart(saved));
    // The rules and the next starter stay as they were set; the turn goes on where it was.
    EXPECT_FALSE(state.Rules.DrawExtra || state.PlayerStartsNext);
    EXPECT_FALSE(state.NothingDrawnYet || state.PlayerLocked || state.EndHandRequested ||
                 state.StockExhausted);
    EXPECT_EQ(state.PlayerMeldedBefore, game.table.CurrentMeldValue());
    EXPECT_EQ(state.OpponentMeldedBefore, 60);
    EXPECT_TRUE(game.table.undo.Empty());
    EXPECT_FALSE(game.view.undoEnabled || game.table.DiscardSpread);
    EXPECT_EQ(game.table.ConcealAfterLoad, 1);
    EXPECT_GT(game.view.repaints, 0);
}

TEST_F(SavedGameFile, AGameSavedOnTheOpponentsTurnGoesOnWithTheComputerOrThePeer) {
    RecordingFlow flow;
    game.table.flow = &flow;
    test::BuildPosition(game, kMidHand);
    game.table.SetPrompt(kPromptOpponentTurn);
    ASSERT_TRUE(SaveGame(game.table, true, path));
    game.table.SetPrompt(kPromptDraw);
    game.table.PaintSuppressed = 1;
    game.view.repaints = 0;

    // The computer is handed the turn, and nothing is painted while painting is suppressed.
    ASSERT_TRUE(LoadGame(game.table, true, path));
    EXPECT_EQ(game.state().OpponentPhase, 0);
    EXPECT_EQ(game.state().PlayerLocked, 1);
    EXPECT_EQ(flow.opponentTurns, 1);
    EXPECT_EQ(game.view.repaints, 0);

    // In a network game the user confirms first, and the peer is sent the game.
    game.table.NetworkActive = true;
    game.dialogs.yesNoAnswers = {false, true};
    EXPECT_FALSE(LoadGame(game.table, true, path));
    EXPECT_TRUE(game.peer.sent.empty());
    ASSERT_TRUE(LoadGame(game.table, true, path));
    EXPECT_EQ(game.dialogs.questions,
              std::vector<std::string>(
                  2, "You have a network game running. Are you sure you want to load a game?"));
    ASSERT_EQ(game.peer.sent.size(), 1u);
    EXPECT_EQ(game.peer.sent[0].token, kTokenLoadGame);
    const std::string turn =
        "1 8 0 " + std::to_string(game.state().PlayerMeldedBefore) + " -120 4990 ";
    EXPECT_EQ(game.peer.sent[0].parameters,
              ReadSavedGame(test::ReadFile(path)).game->peerText + turn);
    EXPECT_EQ(flow.opponentTurns, 1);
}

// Only the menu tells why a save is refused; the file stays as it was.
TEST_F(SavedGameFile, TheMenuSaveIsRefusedWhileTakingThePileOrWithAnIncorrectMeld) {
    test::BuildPosition(game, kMidHand);
    game.state().PileTakeUndoable = 1;
    game.dialogs.fileName = folder.File("other.tvx");
    EXPECT_FALSE(SaveGame(game.table, false));
    EXPECT_TRUE(game.dialogs.questions.empty());
    EXPECT_TRUE(SaveGame(game.table, true, path));  // the automatic one is not refused
    const std::string previous = test::ReadFile(path);

    test::BuildPosition(game, {.playerHand = "spade9", .playerMelds = "heart5 club5"});
    EXPECT_FALSE(SaveGame(game.table, true, path));
    EXPECT_EQ(test::ReadFile(path), previous);
    EXPECT_EQ(game.dialogs.messages.size(), 1u);
    EXPECT_FALSE(SaveGame(game.table, false));
    ASSERT_EQ(game.dialogs.messages.size(), 2u);
    EXPECT_EQ(game.dialogs.messages[0].text,
              "A game cannot be saved while taking the discard pile");
    EXPECT_EQ(game.dialogs.messages[1].text,
              "This game cannot be saved now because your meld is incorrect");
}

TEST_F(SavedGameFile, TheProposedNameIsThePlayersWithoutForbiddenCharactersCutAt250) {
    test::BuildPosition(game, kMidHand);
    game.statistics.playerName = "Jo\"e*:<>?\\ Smith";
    EXPECT_FALSE(SaveGame(game.table, false));  // the dialog is cancelled
    EXPECT_EQ(game.dialogs.questions, std::vector<std::string>{"Joe Smith.tvx"});
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());

    EXPECT_EQ(ProposedFileName(""), "player.tvx");
    const std::string accented = "\xC3\xA9";  // one character, two bytes
    std::string longAccented;
    for (int i = 0; i < 260; ++i) longAccented += accented;
    EXPECT_EQ(ProposedFileName(longAccented), longAccented.substr(0, 500) + ".tvx");
}

TEST_F(SavedGameFile, AFailedWriteIsReportedOnlyFromTheMenuAndCleanedUp) {
    test::BuildPosition(game, kMidHand);
    // A folder in the file's place cannot be replaced.
    const fs::path blocked = folder.Path() / "blocked.tvx";
    fs::create_directories(blocked / "inside");
    game.dialogs.fileName = blocked.string();
    EXPECT_FALSE(SaveGame(game.table, false));
    ASSERT_EQ(game.dialogs.messages.size(), 1u);
    EXPECT_EQ(game.dialogs.messages[0].kind, "error");
    EXPECT_NE(game.dialogs.messages[0].text.find(blocked.string()), std::string::npos);
    EXPECT_TRUE(fs::exists(blocked / "inside"));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"blocked.tvx"});

    EXPECT_FALSE(SaveGame(game.table, true, (folder.Path() / "missing" / "x.tvx").string()));
    EXPECT_EQ(game.dialogs.messages.size(), 1u);
}

// An autosave file that cannot be read outlives the new match that replaces it on exit.
TEST_F(SavedGameFile, ADamagedAutosaveIsKeptAsideAndNamedBeforeANewGameReplacesIt) {
    const std::string autosave = AutosavePath(game.table);
    const std::string kept = folder.File("autosave-damaged.tvx");
    const std::string damaged = "TavolexSavedGame 415 1 damaged";
    test::WriteFile(kept, "an older damaged game");

    EXPECT_EQ(DamagedAutosave(damaged),
              autosave + " : " + kLoadErrorText + "\n\nThe damaged file was kept as " + kept + ".");
    EXPECT_EQ(test::ReadFile(kept), damaged);
    game.state().GameInProgress = 1;
    EXPECT_EQ(SaveOnExit(game.table, true), ExitSave::Saved);
    EXPECT_EQ(test::ReadFile(kept), damaged);
    EXPECT_NE(test::ReadFile(autosave), damaged);
}

// Where no copy can be made the unreadable file is never replaced nor deleted.
TEST_F(SavedGameFile, ADamagedAutosaveThatCannotBeCopiedStaysUntouched) {
    fs::create_directories(fs::path(folder.File("autosave-damaged.tvx")) / "in the way");
    EXPECT_NE(DamagedAutosave("not a game").find("could not be copied"), std::string::npos);
    for (const bool inProgress : {true, false}) {
        game.state().GameInProgress = inProgress;
        EXPECT_EQ(SaveOnExit(game.table, true), inProgress ? ExitSave::Failed : ExitSave::Deleted);
        EXPECT_EQ(test::ReadFile(AutosavePath(game.table)), "not a game");
    }
}

// The file does not hold the taken top card: a loaded pending take must still undo cleanly,
// the card going back to the pile and the take costing its 50 points.
TEST(SavedGamePendingTake, ALoadedPendingTakeCanBeUndone) {
    HeadlessGame game(3, 2);
    ASSERT_TRUE(LoadGame(game.table, true,
                         test::TestData("golden/pending-pile-take-1024x768.tvx").string()));
    ASSERT_TRUE(game.state().PileTakeUndoable);
    const int pileBefore = game.state().DiscardPile.count;
    const int scoreBefore = game.state().PlayerScore;
    const CardRecord top = game.state().PlayerMeldsSaved.Top();

    TakePile(game.table);  // a second click on the pile undoes the take

    ASSERT_EQ(game.state().DiscardPile.count, pileBefore + 1);
    EXPECT_EQ(game.state().DiscardPile.Top().cardId, top.cardId);
    EXPECT_EQ(game.state().PlayerScore, scoreBefore - 50);
    EXPECT_EQ(test::CheckPackInvariant(game), "");
}

// The game written on exit: a turn in the middle of melding is rewound so that the file always
// holds the running game, never an older one.
TEST_F(SavedGameFile, OnExitTheTurnIsRewoundToWhereItCanBeSaved) {
    constexpr const char* kAces = "spadea cluba diamonda";  // a valid opening meld on their own
    const struct {
        const char* name;
        test::Position position;
        std::vector<std::string> moves;  // cards melded, "pile" for taking the discard pile
        const char* hand;                // the player's hand and melds in the saved game
        const char* melds;
    } cases[] = {
        {"a pending pile take is undone without its charge",
         {.playerHand = "heart9 club9 spade5 heart6 spade7",
          .playerMelds = kAces,
          .discardPile = "heart3 spade4 diamond9",
          .playerHasDrawn = false,
          .playerScore = 700,
          .pileFrozen = true},
         {"pile", "heart9"},
         "heart9 club9 spade5 heart6 spade7",
         kAces},
        {"an unfinished meld goes back to the hand",
         {.playerHand = "heart9 club9 spade5 heart6 spade7", .playerMelds = kAces},
         {"heart9", "club9"},
         "spade5 heart6 spade7 club9 heart9",
         kAces},
        {"valid melds of this turn stay",
         {.playerHand = "heart9 club9 spade9 spade5", .playerMelds = kAces},
         {"heart9", "club9", "spade9"},
         "spade5",
         "spadea cluba diamonda heart9 club9 spade9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::BuildPosition(game, c.position);
        for (const std::string& move : c.moves) {
            if (move == "pile") {
                TakePile(game.table);
            } else {
                MeldCard(game.table, test::IndexOf(game.state().PlayerHand, move));
            }
        }
        test::WriteFile(AutosavePath(game.table), "older game");
        EXPECT_EQ(SaveOnExit(game.table, true), ExitSave::Saved);
        ASSERT_TRUE(LoadGame(reloaded.table, true));
        const GameState& state = reloaded.state();
        EXPECT_EQ(Names(state.PlayerHand), c.hand);
        EXPECT_EQ(Names(state.PlayerMelds), c.melds);
        EXPECT_EQ(state.PlayerScore, c.position.playerScore);
        EXPECT_FALSE(state.PileTakeUndoable || state.TopCardPending);
    }
}

}  // namespace
}  // namespace tavolex
