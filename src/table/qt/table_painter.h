// Paints the table: piles, the etched pile box and divider, the counts and the canasta labels.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace tavolex {

class CardImages;
class Table;

// Draws what lies inside area (in table coordinates), in the table's fixed order.
void PaintTable(QPainter& painter, Table& table, const CardImages& cards, const QColor& background,
                const QRect& area);

// Whether the opponent's cards may be shown face up at all: never in a network game, nor
// right after a game was loaded.
bool OpponentHandVisible(const Table& table);

}  // namespace tavolex
