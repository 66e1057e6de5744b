#include "table/end_of_hand.h"

#include <filesystem>
#include <system_error>

#include "game/scoring.h"
#include "game/settings_store.h"
#include "game/status_texts.h"
#include "game/table.h"
#include "table/deal.h"

namespace tavolex {

namespace {

bool HandIsOver(const GameState& state) {
    const int needed = state.Rules.NumberOfCanastas;
    return (state.PlayerHand.Empty() && state.PlayerTally.canastaCount >= needed) ||
           (state.OpponentHand.Empty() && state.OpponentTally.canastaCount >= needed) ||
           (state.StockExhausted && state.EndHandRequested);
}

int32_t WhoWentOut(const GameState& state) {
    if (state.PlayerHand.Empty()) return kPlayerWentOut;
    if (state.OpponentHand.Empty()) return kOpponentWentOut;
    return kNobodyWentOut;
}

// Records the match, announces the winner and asks whether to play on; false when the user
// declined and the program is closing.
bool FinishMatch(Table& table) {
    GameState& state = table.state;
    const int32_t margin = state.PlayerScore - state.OpponentScore;
    table.statistics.EnterHighscore(kMatchHighscore, margin);
    table.statistics.RecordMatchResult(state.PlayerScore, state.OpponentScore);
    if (margin < 0) table.sounds.PlayEvent(kSoundLoseMatch);
    if (margin > 0) table.sounds.PlayEvent(kSoundWinMatch);

    GameOverInfo info;
    info.comment = MatchComment(margin, table.PlayerName(), table.OpponentSentenceName());
    info.opponentScoreLabel = table.OpponentLabelName() + "'s score:";
    info.playerScore = state.PlayerScore;
    info.opponentScore = state.OpponentScore;
    info.margin = margin;
    info.networkGame = table.NetworkActive;
    info.playerLobbyName = ReadText(table.settings, "Network\\Username", "");
    info.opponentName = table.OpponentLabelName();
    const GameOverAnswer answer = table.dialogs.ShowGameOver(info);
    if (answer != GameOverAnswer::Yes && answer != GameOverAnswer::Ok) {
        DeleteAutosave(table);
        table.view.CloseProgram();
        return false;
    }
    state.OpponentScore = 0;
    state.PlayerScore = 0;
    state.GameInProgress = 0;
    // The winner (or either side after a draw) tells the peer a new match begins.
    if (margin >= 0) table.SendToken(kTokenNewGame);
    return true;
}

// Scores the hand and deals the next one; false when the match ended and the program is closing.
bool FinishHand(Table& table) {
    GameState& state = table.state;
    table.SetPrompt(kPromptHandOver);
    state.WentOut = WhoWentOut(state);
    const HandScores scores = ScoreHand(table);
    table.statistics.EnterHighscore(kHandHighscore, scores.player.total - scores.opponent.total);
    const bool matchOver = state.PlayerScore >= kMatchTarget || state.OpponentScore >= kMatchTarget;
    if (matchOver && !FinishMatch(table)) return false;
    // In a network game the side that does not deal waits for the peer's deal text.
    if (!table.NetworkActive || table.DealsNextHand) DealHand(table, false);
    return true;
}

}  // namespace

void DeleteAutosave(const Table& table) {
    if (table.ProgramFolder.empty() || table.AutosaveUnreadable) return;
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(table.ProgramFolder) / "autosave.tvx", ignored);
}

bool EndOfHandCheck(Table& table) {
    GameState& state = table.state;
    // A hand already being finished is not finished twice.
    if (!HandIsOver(state) || state.Prompt == kPromptHandOver) {
        table.view.PostDispatch();
        return false;
    }
    // Received moves wait while the hand is scored (its boxes let events run) and go on once the
    // next hand is dealt.
    const uint8_t suspended = table.DispatchSuspended;
    table.DispatchSuspended = 1;
    const bool playOn = FinishHand(table);
    table.DispatchSuspended = suspended;
    if (playOn) table.view.PostDispatch();
    return true;
}

std::string MatchComment(int margin, const std::string& playerName,
                         const std::string& opponentSentenceName) {
    if (margin == 0) return "It's a draw!";
    if (margin < 0) {
        std::string comment = "Too bad, " + playerName + ", ";
        if (margin < -2500) return comment + opponentSentenceName + " crushed you.";
        if (margin < -1800) return comment + opponentSentenceName + " defeated you.";
        if (margin < -500) return comment + opponentSentenceName + " beat you.";
        if (margin < -200) return comment + "you lost.";
        return comment + "you lost but it was pretty close.";
    }
    std::string comment = "Congratulations " + playerName + "! ";
    if (margin > 2500) return comment + "You crushed " + opponentSentenceName + ".";
    if (margin > 1800) return comment + "You defeated " + opponentSentenceName + ".";
    if (margin > 500) return comment + "You beat " + opponentSentenceName + ".";
    if (margin > 200) return comment + "You won.";
    return comment + "You won, but it was pretty close!";
}

}  // namespace tavolex
