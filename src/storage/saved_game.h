// The saved-game file: a text with every pile, tally and turn field of the game state.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/game_state.h"

namespace tavolex {

class Clock;
class Dialogs;
class Random;
class Table;

constexpr const char* kSavedGameMagic = "TavolexSavedGame";
constexpr int kSavedGameVersion = 415;
constexpr const char* kAutosaveFileName = "autosave.tvx";
constexpr const char* kDamagedAutosaveFileName = "autosave-damaged.tvx";
constexpr const char* kLoadErrorText =
    "An error occurred while loading the file; the game cannot be opened.";

// What a saved-game text holds, read into a fresh state without touching the running game.
struct SavedGame {
    GameState state;  // the piles, tallies and turn fields of the file; the rest at defaults
    int layout = 0;   // the layout index the positions were taken in
    // The part of the peer's LOADGAME message that comes from the file: the nine pile segments
    // and the three tally segments, each ended by the field separator. The turn segment depends
    // on the state after loading, so LoadGame adds it.
    std::string peerText;
};

enum class ReadError { None, NotSavedGame, Version, Damaged };

struct ReadResult {
    ReadError error = ReadError::None;
    std::optional<SavedGame> game;
};

// Writes the file's text; each pile line's key is drawn from the generator and the clock.
std::string WriteSavedGame(const GameState& state, int layout, Random& random, Clock& clock);
// Reads a whole text; anything malformed, or a pack that breaks the game's invariants,
// gives Damaged and no game.
ReadResult ReadSavedGame(std::string_view text);

// Replaces the fields a saved game holds (piles, tallies and turn fields), keeping the rest.
void CopySavedFields(const GameState& from, GameState& to);

// A file name made of a name: the characters no file name may hold dropped, at most 250
// characters kept (whole ones, for names in UTF-8), ".tvx" appended; "player.tvx" for no name.
std::string ProposedFileName(const std::string& name);

// "autosave.tvx" in the program's folder, and the copy of one that could not be read.
std::string AutosavePath(const Table& table);
std::string DamagedAutosavePath(const Table& table);

// The menu command (automatic false) and the exit, start-up and network calls (automatic true,
// with the path given or the autosave file).
bool SaveGame(Table& table, bool automatic, const std::optional<std::string>& path = {});
bool LoadGame(Table& table, bool automatic, const std::optional<std::string>& path = {});
// The saved game of the command line or the autosave file at start-up, with the "Start" sound.
// A missing file fails silently. An autosave file that cannot be read is first copied to
// "autosave-damaged.tvx" (replacing an older copy), so a new game saved on exit cannot lose it;
// the error box names the copy. Should the copy fail, the autosave file is left alone for good.
bool LoadOnStartup(Table& table, const std::string& path);

}  // namespace tavolex
