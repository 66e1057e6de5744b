// Every setting the table window reads when it is created, each with its default; odd stored
// values read as their default so the game always starts playable.
#pragma once

#include <cstdint>
#include <string>

#include "game/rule_options.h"
#include "storage/highscores.h"
#include "storage/players.h"

namespace tavolex {

class SettingsStore;

struct StartupSettings {
    int64_t BackgroundColor = 32768;
    uint8_t DiscardOption = 0;  // 0 one right click discards, 1 two
    bool SelectPlayerOnStartup = true;
    Players players;
    RuleOptions Rules;
    bool Sound = true;
    int32_t Delay = 300;
    bool AutoSave = true;
    bool HintShown = false;
    std::string MusicFile;
    std::string MusicDir;
    int MusicType = 1;
    bool Music = false;
    bool ShowStatusbar = true;
    uint8_t ComputerLevel = 0;
    int32_t Aggression = 50;
    bool CardMovement = true;
    int CardSpeed = 10;
    bool ShowHighscores = true;
    bool ShowTurns = true;
    Highscores highscores;
    bool ChatOnTop = true;
};

// programFolder is the default music folder.
StartupSettings ReadStartupSettings(SettingsStore& store, const std::string& programFolder);

// "Beginner" 0 and "Advanced" 1, matched exactly; any other text is Expert (2).
uint8_t ComputerLevelFromText(const std::string& text);

}  // namespace tavolex
