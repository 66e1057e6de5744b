// What the engine asks of the table window.
#pragma once

#include <string>

#include "game/cards.h"

namespace tavolex {

class TableView {
public:
    virtual ~TableView() = default;
    // The visible move of one card; the caller repaints its old and new places afterwards.
    virtual void ShowCardMove(const CardRecord& card, int fromX, int fromY, int toX, int toY,
                              bool highlight) = 0;
    // Repaints the rectangle now (synchronously).
    virtual void InvalidateArea(int x, int y, int width, int height) = 0;
    virtual void RepaintAll() = 0;
    // A visible pause with the hourglass cursor.
    virtual void PauseWithHourglass(int milliseconds) = 0;
    virtual void SetHourglass(bool on) = 0;
    // The status-line text, in red bold (error, returning to normal after 600 ms) or normal.
    virtual void ShowStatus(const std::string& text, bool error) = 0;
    virtual void Beep() = 0;
    // Enables Undo Meld and Undo All together.
    virtual void EnableUndo(bool enabled) = 0;
    virtual void ShowEndHandButton(bool visible) = 0;
    virtual void EnableEndHandButton(bool enabled) = 0;
    virtual void SetRulesHint(const std::string& hint) = 0;
    // The borderless whose-turn notice that closes itself after 1500 ms.
    virtual void ShowWhoseTurn(const std::string& text) = 0;
    // Lets the network part handle its next queued peer message.
    virtual void PostDispatch() = 0;
    // Ends the program in an orderly way.
    virtual void CloseProgram() = 0;
};

}  // namespace tavolex
