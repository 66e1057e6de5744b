// The engine's table: the one game state with everything the rules read beside it
// (layout, presentation flags, network fields), the seams to the front end, and the status line.
#pragma once

#include <cstdint>
#include <string>

#include "game/clock.h"
#include "game/computer_memory.h"
#include "game/dialogs.h"
#include "game/game_state.h"
#include "game/input_state.h"
#include "game/peer_link.h"
#include "game/random.h"
#include "game/settings_store.h"
#include "game/sounds.h"
#include "game/statistics.h"
#include "game/table_layout.h"
#include "game/table_view.h"
#include "game/undo_list.h"

namespace tavolex {

class Table;

// Plays the opponent's whole turn (the computer levels; a scripted player in tests).
class OpponentPlayer {
  public:
    virtual ~OpponentPlayer() = default;
    virtual void PlayTurn(Table& table) = 0;
    // Forgets what the opponent remembered of the last hand (called at each deal).
    virtual void ResetHandMemory() {}
};

// Where a rule procedure hands on to the game flow.
class GameFlow {
  public:
    virtual ~GameFlow() = default;
    virtual bool EndOfHandCheck() = 0;
    virtual void StartOpponentTurn() = 0;
    virtual void DealHand(bool firstOfRun) = 0;
};

enum ComputerLevelCode : uint8_t { kBeginner = 0, kAdvanced = 1, kExpert = 2, kRemotePlayer = 3 };

struct Seams {
    TableView& view;
    Dialogs& dialogs;
    Sounds& sounds;
    PeerLink& peer;
    SettingsStore& settings;
    Statistics& statistics;
    Clock& clock;
};

class Table {
  public:
    Table(const Seams& seams, Random& random);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    GameState state;
    ComputerMemory computer;
    TableLayout layout = ComputeTableLayout(0);
    int Resolution = 0;
    // The layout the cards' positions were last placed in.
    int LastAppliedResolution = 0;
    UndoList undo;

    // Presentation.
    uint8_t PaintSuppressed = 0;
    uint8_t DiscardSpread = 0;
    uint8_t ConcealAfterLoad = 0;
    uint8_t ConcealRemote = 0;
    uint8_t DiscardOption = 0;  // 0 one right click discards, 1 two
    InputState input;
    bool ShowTurns = true;
    bool TableShowing = false;
    int32_t MeldDelay = 300;  // the computer's melding delay in milliseconds
    int32_t Aggression = 50;  // percent; only the Expert reads it
    // Whether each deal reseeds the generator from the clock (off for replayable runs).
    bool ReseedFromClock = true;

    // Network game.
    bool NetworkActive = false;
    std::string PeerName;
    uint8_t ComputerLevel = kBeginner;
    uint8_t SavedComputerLevel = kBeginner;
    // Received moves wait while the lobby window or the end of a hand is on screen; whoever
    // clears it posts the dispatch.
    uint8_t DispatchSuspended = 0;
    // In a network game only one side deals each hand; the other waits for the deal text.
    bool DealsNextHand = true;
    // The remote player has laid the pile's top card and not yet taken the rest or undone the
    // take: it cannot have gone out meanwhile.
    uint8_t OpponentTakingPile = 0;

    // Where saved games without a folder go ("autosave.tvx").
    std::string ProgramFolder;
    // Set when the autosave file could neither be read nor copied aside at start-up: it is then
    // never replaced nor deleted.
    bool AutosaveUnreadable = false;
    // The lowest y of the table that the window shows (above its status bar); hand columns that
    // would run past it are drawn closer together.
    int32_t VisibleBottom = INT32_MAX;

    TableView& view;
    Dialogs& dialogs;
    Sounds& sounds;
    PeerLink& peer;
    SettingsStore& settings;
    Statistics& statistics;
    Clock& clock;
    Random& random;
    GameFlow* flow = nullptr;
    OpponentPlayer* opponent = nullptr;

    RuleOptions& rules() { return state.Rules; }

    // Status line.
    void SetPrompt(int prompt);
    void ShowError(int error);
    std::string PromptText(int prompt) const;

    void SendToken(int token, const std::string& parameters = {});
    void CountColumns() { tavolex::CountColumns(state, layout); }
    int32_t CurrentMeldValue(bool allColumns = false) {
        return tavolex::CurrentMeldValue(state, layout, allColumns);
    }
    bool PileFrozenFor();

    // Names as the texts use them.
    std::string PlayerName();
    std::string OpponentLabelName() const;     // "Computer" or the peer's name
    std::string OpponentSentenceName() const;  // "the computer" or the peer's name

    // Redraw helpers over the areas the rules change.
    void RepaintPileBox();
    void RepaintStock();
    void RepaintPlayerMeldColumn(int column);
    void RepaintOpponentMeldColumn(int column);
    void RepaintPlayerHandArea();
    void RepaintPlayerMeldArea();
    void RepaintOpponentHandRow();
    void ShowMove(const CardRecord& card, int fromX, int fromY, bool highlight = false);
    // Lays a discarded card face up on the discard pile and shows its move there.
    void PlaceOnDiscardPile(CardRecord card, bool highlight = false);
};

}  // namespace tavolex
