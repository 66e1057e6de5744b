#include "app/cli/computer_match.h"

#include <chrono>
#include <optional>

#include "app/cli/side_mirror.h"
#include "game/status_texts.h"
#include "table/deal.h"
#include "table/end_of_hand.h"

namespace tavolex::cli {

namespace {

// Far more turns than the pack allows without a hand ending.
constexpr int kMaxTurnsPerHand = 1000;

int32_t& MeldedBeforeOf(GameState& state, Side side) {
    return side == kPlayerSide ? state.PlayerMeldedBefore : state.OpponentMeldedBefore;
}

}  // namespace

ComputerMatch::ComputerMatch(HeadlessGame& game, uint8_t playerLevel, uint8_t opponentLevel)
    : game_(game) {
    sides_[kPlayerSide].level = playerLevel;
    sides_[kOpponentSide].level = opponentLevel;
    game.table.flow = this;
    game.table.opponent = this;
}

ComputerMatch::~ComputerMatch() {
    game_.table.flow = &game_.flow;
    game_.table.opponent = nullptr;
}

bool ComputerMatch::EndOfHandCheck() {
    if (turnRunning_) return false;
    return tavolex::EndOfHandCheck(game_.table);
}

void ComputerMatch::DealHand(bool firstOfRun) {
    tavolex::DealHand(game_.table, firstOfRun);
}

void ComputerMatch::PlaySide(Side side) {
    Table& table = game_.table;
    GameState& state = table.state;
    SideRecord& record = sides_[side];
    int32_t meldedBefore = 0;
    {
        std::optional<SideMirror> mirror;
        if (side == kPlayerSide) {
            mirror.emplace(table, playerSideMemory_);
            // On the mirrored table the turn is "the opponent's", as the game hands it over.
            state.PlayerLocked = 1;
            table.SetPrompt(kPromptOpponentTurn);
            state.OpponentPhase = 0;
        }
        meldedBefore = state.OpponentMeldedBefore;
        table.ComputerLevel = record.level;
        const LayDownAudit audit(table);
        turnRunning_ = true;
        const auto start = std::chrono::steady_clock::now();
        computer_.PlayTurn(table);
        record.turnSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        turnRunning_ = false;
        ++record.turns;
        audit.JudgeTurn(table, record.refused);
    }
    // Within the turn the check would have scored the hand before the side's meld points of this
    // turn were copied.
    int32_t& sideMeldedBefore = MeldedBeforeOf(state, side);
    const int32_t afterTurn = sideMeldedBefore;
    sideMeldedBefore = meldedBefore;
    if (tavolex::EndOfHandCheck(table)) return;
    sideMeldedBefore = afterTurn;
    if (side == kOpponentSide) return;
    state.PlayerLocked = 1;
    table.SetPrompt(kPromptOpponentTurn);
    state.OpponentPhase = 0;
    PlaySide(kOpponentSide);
}

void ComputerMatch::CollectResults() {
    HeadlessDialogs& dialogs = game_.dialogs;
    for (const ScoringInfo& scoring : dialogs.scorings)
        hands_.push_back({scoring.playerTotal, scoring.opponentTotal});
    for (const GameOverInfo& gameOver : dialogs.gameOvers) matchMargins_.push_back(gameOver.margin);
    // Thousands of hands would otherwise pile up every record of the headless seams.
    dialogs.scorings.clear();
    dialogs.gameOvers.clear();
    dialogs.messages.clear();
    game_.view.moves.clear();
    game_.sounds.events.clear();
    game_.statistics.highscores.clear();
    game_.statistics.matches.clear();
}

std::optional<std::string> ComputerMatch::PlayMatches(int matches) {
    Table& table = game_.table;
    const GameState& state = table.state;
    // Who draws first in the run's first hand is drawn, as at start-up; then it alternates.
    table.state.PlayerStartsNext = static_cast<uint8_t>(table.random.Below(2));
    StartNewGame(table);
    size_t handsSeen = 0;
    int turnsThisHand = 0;
    for (;;) {
        CollectResults();
        if (matchMargins_.size() >= static_cast<size_t>(matches)) return std::nullopt;
        if (game_.view.closed) return "the computer stopped the program (an internal failure)";
        if (state.PlayerLocked || state.Prompt != kPromptDraw) {
            return "the opponent's turn did not hand the turn back to the player";
        }
        if (hands_.size() != handsSeen) {
            handsSeen = hands_.size();
            turnsThisHand = 0;
        } else if (++turnsThisHand > kMaxTurnsPerHand) {
            return "a hand went on for more than " + std::to_string(kMaxTurnsPerHand) + " turns";
        }
        PlaySide(kPlayerSide);
    }
}

}  // namespace tavolex::cli
