// The computer's turn at the Expert level.
#pragma once

namespace tavolex {

class Table;

void ExpertTurn(Table& table);

}  // namespace tavolex
