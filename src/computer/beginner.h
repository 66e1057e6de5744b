// The computer's turn at the Beginner level.
#pragma once

namespace tavolex {

class Table;

void BeginnerTurn(Table& table);

}  // namespace tavolex
