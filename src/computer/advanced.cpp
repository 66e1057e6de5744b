#include "computer/advanced.h"

#include "game/table.h"

namespace tavolex {

void AdvancedTurn(Table&) {}

}  // namespace tavolex
