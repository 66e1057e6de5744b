// The computer's turn at the Advanced level.
#pragma once

namespace tavolex {

class Table;

void AdvancedTurn(Table& table);

}  // namespace tavolex
