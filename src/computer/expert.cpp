#include "computer/expert.h"

#include "game/table.h"

namespace tavolex {

void ExpertTurn(Table&) {}

}  // namespace tavolex
