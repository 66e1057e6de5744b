// Moving every card and anchor from one table layout to another.
#pragma once

#include "game/game_state.h"
#include "game/table_layout.h"

namespace tavolex {

class Table;

// Keeps each hand and meld card in its column and its offset inside the column; stock and
// discard cards go to their rows; the anchors follow their rows.
void RemapLayout(GameState& state, const TableLayout& from, const TableLayout& to);
// The engine's part of a change of layout: compute the new layout and remap the cards from
// the last applied one. Nothing happens when the layout is already in force.
void ApplyScreenLayout(Table& table, int resolution, int clientWidth);

}  // namespace tavolex
