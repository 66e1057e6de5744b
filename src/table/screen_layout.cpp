#include "table/screen_layout.h"

#include "game/table.h"

namespace tavolex {

void RemapLayout(GameState&, const TableLayout&, const TableLayout&) {}
void ApplyScreenLayout(Table&, int, int) {}

}  // namespace tavolex
