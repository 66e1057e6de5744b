// Saving and loading through the table: the dialogs, the refusals, the file on disk and what a
// loaded game sets around the state it reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "game/peer_link.h"
#include "game/pile_take.h"
#include "game/status_texts.h"
#include "game/table.h"
#include "saved_game_test_support.h"
#include "storage/exit_save.h"
#include "storage/saved_game.h"
#include "support/position.h"
#include "table/deal.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

const test::Position kMidHand = {
    .playerHand = "heart5 club5 joker spade2 diamondv club9",
    .playerMelds = "heart7 club7 spade7 diamond7 heart7 club7 joker | spadeh clubh hearth | heart3",
    .opponentHand = "spade4 club4 diamond8",
    .opponentMelds = "diamond3 | spadea cluba hearta",
    .discardPile = "heart9 diamond2 club8",
    .playerScore = 1850,
    .opponentScore = 2300,
    .pileFrozen = true,
};

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
    test::ScratchFolder folder;
    std::string path = folder.File("game.tvx");
};

TEST_F(SavedGameFile, ALoadedGameReplacesTheHandAndKeepsTheRulesAndTheNextStarter) {
    HeadlessGame game(6, 1);
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
    EXPECT_EQ(state.PlayerScore, 1850);
    EXPECT_EQ(state.OpponentScore, 2300);
    EXPECT_EQ(state.PileFrozen, 1);
    EXPECT_EQ(state.HasDrawn, 1);
    EXPECT_EQ(state.NothingDrawnYet, 0);
    EXPECT_EQ(state.Rules.DrawExtra, 0);
    EXPECT_EQ(state.PlayerStartsNext, 0);
    EXPECT_EQ(state.Prompt, kPromptMeldOrDiscard);
    EXPECT_EQ(game.view.status, kPromptTexts[kPromptMeldOrDiscard]);
    EXPECT_EQ(state.PlayerLocked, 0);
    EXPECT_EQ(state.EndHandRequested, 0);
    EXPECT_EQ(state.StockExhausted, 0);
    EXPECT_EQ(state.GameInProgress, 1);
    EXPECT_EQ(state.PlayerMeldedBefore, game.table.CurrentMeldValue());
    EXPECT_EQ(state.OpponentMeldedBefore, 60);
    EXPECT_TRUE(game.table.undo.Empty());
    EXPECT_FALSE(game.view.undoEnabled);
    EXPECT_EQ(game.table.DiscardSpread, 0);
    EXPECT_EQ(game.table.ConcealAfterLoad, 1);
    EXPECT_GT(game.view.repaints, 0);
    EXPECT_TRUE(game.dialogs.messages.empty());
}

TEST_F(SavedGameFile, AGameSavedOnTheOpponentsTurnHandsTheTurnToTheComputer) {
    HeadlessGame game(6, 1);
    RecordingFlow flow;
    game.table.flow = &flow;
    test::BuildPosition(game, kMidHand);
    game.table.SetPrompt(kPromptOpponentTurn);
    ASSERT_TRUE(SaveGame(game.table, true, path));
    game.table.SetPrompt(kPromptDraw);
    game.table.PaintSuppressed = 1;
    game.view.repaints = 0;

    ASSERT_TRUE(LoadGame(game.table, true, path));
    EXPECT_EQ(game.state().Prompt, kPromptOpponentTurn);
    EXPECT_EQ(game.state().OpponentPhase, 0);
    EXPECT_EQ(game.state().PlayerLocked, 1);
    EXPECT_EQ(flow.opponentTurns, 1);
    EXPECT_EQ(game.view.repaints, 0);
}

TEST_F(SavedGameFile, InANetworkGameTheUserConfirmsAndThePeerIsSentTheGame) {
    HeadlessGame game(6, 1);
    RecordingFlow flow;
    game.table.flow = &flow;
    test::BuildPosition(game, kMidHand);
    game.table.SetPrompt(kPromptOpponentTurn);
    ASSERT_TRUE(SaveGame(game.table, true, path));
    const ReadResult file = ReadSavedGame(test::ReadFile(path));
    ASSERT_TRUE(file.game);
    game.table.NetworkActive = true;
    const char* question = "You have a network game running. Are you sure you want to load a game?";

    game.dialogs.yesNoAnswers = {false};
    EXPECT_FALSE(LoadGame(game.table, true, path));
    EXPECT_EQ(game.dialogs.questions, std::vector<std::string>{question});
    EXPECT_TRUE(game.peer.sent.empty());

    game.dialogs.yesNoAnswers = {true};
    ASSERT_TRUE(LoadGame(game.table, true, path));
    ASSERT_EQ(game.peer.sent.size(), 1u);
    EXPECT_EQ(game.peer.sent[0].token, kTokenLoadGame);
    const GameState& state = game.state();
    const std::string turn = "1 8 0 " + std::to_string(state.PlayerMeldedBefore) + " 1850 2300 ";
    EXPECT_EQ(game.peer.sent[0].parameters, file.game->peerText + turn);
    EXPECT_EQ(flow.opponentTurns, 0);
}

TEST_F(SavedGameFile, AnEmptyStockShowsTheEndHandButtonAndItsPrompt) {
    HeadlessGame game(6, 1);
    test::BuildPosition(game, {.playerHand = "heart5", .playerHasDrawn = false});
    GameState& state = game.state();
    while (!state.Stock.Empty()) PushCard(state.DiscardPile, *PopCard(state.Stock));
    ASSERT_TRUE(SaveGame(game.table, true, path));

    ASSERT_TRUE(LoadGame(game.table, true, path));
    EXPECT_EQ(state.StockExhausted, 1);
    EXPECT_TRUE(game.view.endHandVisible);
    EXPECT_EQ(game.view.status, kStockExhaustedPrompt);
}

TEST_F(SavedGameFile, AGameSavedAt640x480KeepsEveryCardInItsColumnAt1024x768) {
    HeadlessGame small(6, 0);
    test::BuildPosition(small, kMidHand);
    ASSERT_TRUE(SaveGame(small.table, true, path));
    HeadlessGame large(7, 2);
    ASSERT_TRUE(LoadGame(large.table, true, path));

    const TableLayout& from = small.table.layout;
    const TableLayout& to = large.table.layout;
    struct Row {
        CardPile GameState::*pile;
        int32_t TableLayout::*top;
    };
    for (const Row row : {Row{&GameState::PlayerHand, &TableLayout::OwnHandTop},
                          Row{&GameState::PlayerMelds, &TableLayout::OwnMeldTop},
                          Row{&GameState::OpponentMelds, &TableLayout::OpponentMeldTop}}) {
        const CardPile& before = small.state().*row.pile;
        const CardPile& after = large.state().*row.pile;
        ASSERT_EQ(after.count, before.count);
        for (int i = 0; i < before.count; ++i) {
            EXPECT_EQ(to.ColumnOf(after.cards[i].x), from.ColumnOf(before.cards[i].x));
            EXPECT_EQ(after.cards[i].x, to.ColumnLeft(to.ColumnOf(after.cards[i].x)));
            EXPECT_EQ(after.cards[i].y - to.*row.top, before.cards[i].y - from.*row.top);
        }
    }
    for (const CardRecord& card : large.state().Stock) EXPECT_EQ(card.y, to.StockTop);
    for (const CardRecord& card : large.state().DiscardPile) EXPECT_EQ(card.y, to.DiscardTop);
}

TEST_F(SavedGameFile, TheMenuSaveIsRefusedWhileTakingThePileButTheAutomaticOneIsNot) {
    HeadlessGame game(6, 1);
    test::BuildPosition(game, kMidHand);
    game.state().PileTakeUndoable = 1;
    game.dialogs.fileName = path;

    EXPECT_FALSE(SaveGame(game.table, false));
    ASSERT_EQ(game.dialogs.messages.size(), 1u);
    EXPECT_EQ(game.dialogs.messages[0].text,
              "A game cannot be saved while taking the discard pile");
    EXPECT_TRUE(game.dialogs.questions.empty());
    EXPECT_FALSE(fs::exists(path));

    EXPECT_TRUE(SaveGame(game.table, true, path));
    EXPECT_TRUE(fs::exists(path));
}

TEST_F(SavedGameFile, AnIncorrectMeldRefusesTheSaveAndOnlyTheMenuSaysSo) {
    HeadlessGame game(6, 1);
    test::BuildPosition(game, kMidHand);
    ASSERT_TRUE(SaveGame(game.table, true, path));
    const std::string previous = test::ReadFile(path);
    test::BuildPosition(game, {.playerHand = "spade9", .playerMelds = "heart5 club5"});
    game.dialogs.fileName = folder.File("other.tvx");

    EXPECT_FALSE(SaveGame(game.table, true, path));
    EXPECT_TRUE(game.dialogs.messages.empty());
    EXPECT_EQ(test::ReadFile(path), previous);

    EXPECT_FALSE(SaveGame(game.table, false));
    ASSERT_EQ(game.dialogs.messages.size(), 1u);
    EXPECT_EQ(game.dialogs.messages[0].text,
              "This game cannot be saved now because your meld is incorrect");
    EXPECT_FALSE(fs::exists(folder.File("other.tvx")));
}

TEST_F(SavedGameFile, TheProposedNameIsThePlayersWithoutForbiddenCharactersCutAt250) {
    const std::string accented = "\xC3\xA9";  // one character, two bytes
    std::string longAccented;
    for (int i = 0; i < 260; ++i) longAccented += accented;
    std::string cutAccented;
    for (int i = 0; i < 250; ++i) cutAccented += accented;
    const struct {
        std::string player;
        std::string proposal;
    } cases[] = {
        {"", "player.tvx"},
        {"Jo\"e*:<>?\\ Smith", "Joe Smith.tvx"},
        {std::string(300, 'a'), std::string(250, 'a') + ".tvx"},
        {longAccented, cutAccented + ".tvx"},
    };
    for (const auto& c : cases) {
        HeadlessGame game(6, 1);
        test::BuildPosition(game, kMidHand);
        game.statistics.playerName = c.player;
        EXPECT_FALSE(SaveGame(game.table, false));  // the dialog is cancelled
        EXPECT_EQ(game.dialogs.questions, std::vector<std::string>{c.proposal});
    }
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST_F(SavedGameFile, AutomaticSavesGoToTheProgramFolderUnlessAPathIsGiven) {
    HeadlessGame game(6, 1);
    test::BuildPosition(game, kMidHand);
    game.table.ProgramFolder = folder.Path().string();
    ASSERT_TRUE(SaveGame(game.table, true));
    EXPECT_TRUE(fs::exists(folder.Path() / "autosave.tvx"));
    ASSERT_TRUE(SaveGame(game.table, true, path));
    EXPECT_TRUE(fs::exists(path));

    HeadlessGame other(9, 1);
    other.table.ProgramFolder = folder.Path().string();
    ASSERT_TRUE(LoadGame(other.table, true));
    EXPECT_TRUE(test::SavedPart(other.state()) == test::SavedPart(game.state()));
}

TEST_F(SavedGameFile, AWriteLeavesNoTemporaryFileBehindWhetherItWorksOrNot) {
    HeadlessGame game(6, 1);
    test::BuildPosition(game, kMidHand);
    ASSERT_TRUE(SaveGame(game.table, true, path));
    ASSERT_TRUE(SaveGame(game.table, true, path));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"game.tvx"});

    // A folder in the file's place cannot be replaced: the write fails and is cleaned up.
    const fs::path blocked = folder.Path() / "blocked.tvx";
    fs::create_directories(blocked / "inside");
    game.dialogs.fileName = blocked.string();
    EXPECT_FALSE(SaveGame(game.table, false));
    ASSERT_EQ(game.dialogs.messages.size(), 1u);
    EXPECT_EQ(game.dialogs.messages[0].kind, "error");
    EXPECT_NE(game.dialogs.messages[0].text.find(blocked.string()), std::string::npos);
    EXPECT_TRUE(fs::exists(blocked / "inside"));
    EXPECT_EQ(FolderEntries(folder.Path()).size(), 2u);

    EXPECT_FALSE(SaveGame(game.table, true, (folder.Path() / "missing" / "x.tvx").string()));
    EXPECT_EQ(game.dialogs.messages.size(), 1u);
}

// Every refusal names the file as it was given; nothing of the running game changes.
TEST_F(SavedGameFile, AMissingFileFailsSilentlyAndEveryOtherRefusalNamesTheFileAsGiven) {
    HeadlessGame game(6, 1);
    DealHand(game.table, true);
    const GameState before = game.state();

    EXPECT_FALSE(LoadGame(game.table, true, folder.File("absent.tvx")));
    EXPECT_TRUE(game.dialogs.messages.empty());

    const std::string other = folder.File("My Notes.tvx");
    const struct {
        const char* text;
        std::string message;
    } cases[] = {
        {"Tavolex", other + " : this file is not a Tavolex saved game"},
        {"Some other text entirely", other + " : this file is not a Tavolex saved game"},
        {"TavolexSavedGame 414 1 ",
         "Version error. The file " + other + " cannot be read by Tavolex."},
        {"TavolexSavedGame 415 1 7 x", other + " : " + kLoadErrorText},
    };
    for (const auto& c : cases) {
        test::WriteFile(other, c.text);
        game.dialogs.messages.clear();
        EXPECT_FALSE(LoadGame(game.table, true, other));
        ASSERT_EQ(game.dialogs.messages.size(), 1u);
        EXPECT_EQ(game.dialogs.messages[0].text, c.message);
    }
    EXPECT_TRUE(game.state() == before);
}

// An autosave file that cannot be read outlives the new match that replaces it on exit.
TEST_F(SavedGameFile, ADamagedAutosaveIsKeptAsideAndNamedBeforeANewGameReplacesIt) {
    HeadlessGame game(6, 1);
    game.table.ProgramFolder = folder.Path().string();
    const std::string autosave = AutosavePath(game.table);
    const std::string kept = folder.File("autosave-damaged.tvx");
    const std::string damaged = "TavolexSavedGame 415 1 damaged";
    test::WriteFile(autosave, damaged);
    test::WriteFile(kept, "an older damaged game");

    EXPECT_FALSE(LoadOnStartup(game.table, autosave));
    ASSERT_EQ(game.dialogs.messages.size(), 1u);
    EXPECT_EQ(game.dialogs.messages[0].text,
              autosave + " : " + kLoadErrorText + "\n\nThe damaged file was kept as " + kept + ".");
    EXPECT_EQ(test::ReadFile(kept), damaged);

    DealHand(game.table, true);
    game.state().GameInProgress = 1;
    EXPECT_EQ(SaveOnExit(game.table, true), ExitSave::Saved);
    EXPECT_EQ(test::ReadFile(kept), damaged);
    EXPECT_NE(test::ReadFile(autosave), damaged);
}

// Where no copy can be made the unreadable file is never replaced nor deleted.
TEST_F(SavedGameFile, ADamagedAutosaveThatCannotBeCopiedStaysUntouched) {
    HeadlessGame game(6, 1);
    game.table.ProgramFolder = folder.Path().string();
    const std::string autosave = AutosavePath(game.table);
    test::WriteFile(autosave, "not a game");
    fs::create_directories(fs::path(folder.File("autosave-damaged.tvx")) / "in the way");

    EXPECT_FALSE(LoadOnStartup(game.table, autosave));
    ASSERT_EQ(game.dialogs.messages.size(), 1u);
    EXPECT_NE(game.dialogs.messages[0].text.find("could not be copied"), std::string::npos);
    DealHand(game.table, true);
    for (const bool inProgress : {true, false}) {
        game.state().GameInProgress = inProgress;
        EXPECT_EQ(SaveOnExit(game.table, true), inProgress ? ExitSave::Failed : ExitSave::Deleted);
        EXPECT_EQ(test::ReadFile(autosave), "not a game");
    }
}

}  // namespace
}  // namespace tavolex

namespace tavolex {
namespace {

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

    EXPECT_TRUE(game.dialogs.messages.empty());
    EXPECT_FALSE(game.state().PileTakeUndoable);
    ASSERT_EQ(game.state().DiscardPile.count, pileBefore + 1);
    EXPECT_EQ(game.state().DiscardPile.Top().cardId, top.cardId);
    EXPECT_EQ(game.state().PlayerScore, scoreBefore - 50);
    EXPECT_EQ(test::CheckPackInvariant(game), "");
}

}  // namespace
}  // namespace tavolex
