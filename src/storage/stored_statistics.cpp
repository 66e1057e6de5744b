#include "storage/stored_statistics.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "game/clock.h"
#include "game/dialogs.h"
#include "game/settings_store.h"
#include "game/sounds.h"
#include "game/table.h"
#include "storage/match_history.h"
#include "storage/settings_keys.h"

namespace tavolex {

StoredStatistics::StoredStatistics(SettingsStore& store, Dialogs& dialogs, Sounds& sounds,
                                   Clock& clock)
    : store_(store), dialogs_(dialogs), sounds_(sounds), clock_(clock) {}

void StoredStatistics::Load() {
    players = LoadPlayers(store_);
    highscores = LoadHighscores(store_);
}

void StoredStatistics::FollowTable(const Table& table) {
    context = [&table] {
        return GameContext{table.ComputerLevel, table.NetworkActive, table.OpponentLabelName()};
    };
}

std::string StoredStatistics::CurrentPlayerName() {
    return players.CurrentName();
}

std::string StoredStatistics::PlayerName() const {
    const std::string current = players.CurrentName();
    return current.empty() ? "Player" : current;
}

std::string StoredStatistics::AskedName(int kind, const std::string& proposal) {
    if (!handEndName_) {
        const std::optional<std::string> answer =
            dialogs_.InputBox(kind == kMatchHighscore ? "Match Score in Highscore List"
                                                      : "Hand Score in Highscore List",
                              "Enter your name:", proposal);
        // A cancelled or emptied box keeps the proposal rather than enter a nameless row.
        handEndName_ = answer && !answer->empty() ? *answer : proposal;
    }
    return *handEndName_;
}

void StoredStatistics::EnterHighscore(int kind, int margin) {
    if (kind == kHandHighscore) handEndName_.reset();
    if (kind != kHandHighscore && kind != kMatchHighscore) return;
    const GameContext game = context();
    if (!game.networkGame && margin < 1) return;
    const int level = std::clamp(game.level, 0, kHighscoreLevels - 1);
    HighscoreTable& table = highscores[level][kind];
    const int32_t score = static_cast<int32_t>(
        std::min<int64_t>(std::llabs(int64_t{margin}), std::numeric_limits<int32_t>::max()));
    if (score <= table.Entries.back().Score) return;

    const bool show = ReadBoolSetting(store_, kShowHighscoresKey);
    std::string name = game.opponentName;
    if (margin > 0) {
        name = PlayerName();
        if (show) {
            sounds_.PlayEvent(kSoundHighscore);
            name = AskedName(kind, name);
        }
    }
    const int row = table.Enter(score, clock_.DateText(), name);
    // Stored before the dialog opens, so the entry survives whatever happens meanwhile.
    SaveHighscoreTable(store_, level, kind, table);
    if (show) showHallOfFame(level, kind, row);
}

void StoredStatistics::RecordMatchResult(int playerScore, int opponentScore) {
    CountMatchResult(players, playerScore, opponentScore);
    RecordMatchHistory(store_,
                       MatchHistoryText(clock_.DateTimeText(), PlayerName(), context().opponentName,
                                        playerScore, opponentScore));
    SavePlayers(store_, players);
}

}  // namespace tavolex
