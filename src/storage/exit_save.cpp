#include "storage/exit_save.h"

#include "game/melds.h"
#include "game/pile_take.h"
#include "game/table.h"
#include "storage/saved_game.h"
#include "table/end_of_hand.h"
#include "table/undo_meld.h"

namespace tavolex {

void RewindPlayerMelding(Table& table) {
    if (table.state.PileTakeUndoable) {
        UndoPileTake(table, false);
    } else {
        UndoAll(table);
    }
}

ExitSave SaveOnExit(Table& table, bool autosaveOn) {
    if (!autosaveOn || !table.state.GameInProgress) {
        DeleteAutosave(table);
        return ExitSave::Deleted;
    }
    if (table.AutosaveUnreadable) return ExitSave::Failed;
    if (!MeldsValid(table)) RewindPlayerMelding(table);
    return SaveGame(table, true) ? ExitSave::Saved : ExitSave::Failed;
}

}  // namespace tavolex
