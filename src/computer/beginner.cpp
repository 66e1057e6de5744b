#include "computer/beginner.h"

#include "game/table.h"

namespace tavolex {

void BeginnerTurn(Table&) {}

}  // namespace tavolex
