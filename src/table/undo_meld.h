// The Undo Meld and Undo All commands: cards melded this turn go back to the hand, newest first.
#pragma once

namespace tavolex {

class Table;

void UndoMeld(Table& table);
void UndoAll(Table& table);

}  // namespace tavolex
