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

constexpr uint64_t kFnvPrime = 1099511628211ull;

int32_t& MeldedBeforeOf(GameState& state, Side side) {
    return side == kPlayerSide ? state.PlayerMeldedBefore : state.OpponentMeldedBefore;
}

void HashNumber(uint64_t& hash, int64_t number) {
    for (int byte = 0; byte < 8; ++byte) {
        hash ^= static_cast<uint64_t>(number >> (8 * byte)) & 0xFF;
        hash *= kFnvPrime;
    }
}

std::array<int32_t, kScoreParts> PartsOf(const HandResult& result) {
    return {result.meldPoints, result.handPoints, result.canastaBonus, result.redThreePoints,
            result.finishBonus};
}

}  // namespace

void RunningMean::Add(double value) {
    ++count;
    const double before = mean;
    mean += (value - before) / static_cast<double>(count);
    squares += (value - before) * (value - mean);
}

ComputerMatch::ComputerMatch(HeadlessGame& game, uint8_t playerLevel, uint8_t opponentLevel)
    : game_(game) {
    sides_[kPlayerSide].level = playerLevel;
    sides_[kOpponentSide].level = opponentLevel;
    game.table.flow = this;
    game.table.opponent = this;
    game.dialogs.wantDetails = true;  // the score parts of every hand
}

ComputerMatch::~ComputerMatch() {
    game_.table.flow = &game_.flow;
    game_.table.opponent = nullptr;
    game_.dialogs.wantDetails = false;
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
    const HeadlessDialogs& dialogs = game_.dialogs;
    for (const DetailsInfo& hand : dialogs.details) {
        const int32_t margin = hand.player.total - hand.opponent.total;
        ++tally_.hands;
        tally_.margin.Add(margin);
        if (margin != 0) ++sides_[margin > 0 ? kPlayerSide : kOpponentSide].handsWon;
        const auto player = PartsOf(hand.player);
        const auto opponent = PartsOf(hand.opponent);
        for (int part = 0; part < kScoreParts; ++part)
            tally_.parts[part].Add(player[part] - opponent[part]);
        HashNumber(tally_.checksum, hand.player.total);
        HashNumber(tally_.checksum, hand.opponent.total);
    }
    for (const GameOverInfo& gameOver : dialogs.gameOvers) {
        ++tally_.matches;
        if (gameOver.margin != 0)
            ++sides_[gameOver.margin > 0 ? kPlayerSide : kOpponentSide].matchesWon;
        HashNumber(tally_.checksum, gameOver.margin);
    }
    game_.ForgetRecords();
}

std::optional<std::string> ComputerMatch::PlayMatches(int matches) {
    Table& table = game_.table;
    const GameState& state = table.state;
    // Who draws first in the run's first hand is drawn, as at start-up; then it alternates.
    table.state.PlayerStartsNext = static_cast<uint8_t>(table.random.Below(2));
    StartNewGame(table);
    long handsSeen = 0;
    int turnsThisHand = 0;
    for (;;) {
        CollectResults();
        if (tally_.matches >= matches) return std::nullopt;
        if (game_.view.closed) return "the computer stopped the program (an internal failure)";
        if (state.PlayerLocked || state.Prompt != kPromptDraw) {
            return "the opponent's turn did not hand the turn back to the player";
        }
        if (tally_.hands != handsSeen) {
            handsSeen = tally_.hands;
            turnsThisHand = 0;
        } else if (++turnsThisHand > kMaxTurnsPerHand) {
            return "a hand went on for more than " + std::to_string(kMaxTurnsPerHand) + " turns";
        }
        PlaySide(kPlayerSide);
    }
}

}  // namespace tavolex::cli
