// The players' records kept in the settings store: high scores entered at the end of every
// hand and match, wins, losses and the match history at the end of a match.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "game/statistics.h"
#include "storage/highscores.h"
#include "storage/players.h"

namespace tavolex {

class Clock;
class Dialogs;
class SettingsStore;
class Sounds;
class Table;

// What the records need to know of the game being played.
struct GameContext {
    int level = 0;  // 0..2 the computer's level, 3 a network game
    bool networkGame = false;
    std::string opponentName = "Computer";
};

class StoredStatistics : public Statistics {
public:
    StoredStatistics(SettingsStore& store, Dialogs& dialogs, Sounds& sounds, Clock& clock);

    // Reads the players and every high-score table (at start-up).
    void Load();
    // Takes the level, the network flag and the opponent's name from the table from now on.
    void FollowTable(const Table& table);

    std::string CurrentPlayerName() override;
    // A hand's entry begins a new hand-end: the name asked then serves the match's entry too.
    void EnterHighscore(int kind, int margin) override;
    void RecordMatchResult(int playerScore, int opponentScore) override;

    Players players;
    Highscores highscores;
    std::function<GameContext()> context = [] { return GameContext(); };
    // Opens "Hall of Fame" on a table with the row just entered in bold.
    std::function<void(int level, int kind, int row)> showHallOfFame = [](int, int, int) {};

private:
    // The current player's name, "Player" when none is current.
    std::string PlayerName() const;
    std::string AskedName(int kind, const std::string& proposal);

    SettingsStore& store_;
    Dialogs& dialogs_;
    Sounds& sounds_;
    Clock& clock_;
    std::optional<std::string> handEndName_;
};

}  // namespace tavolex
