// A table in the middle of a game, with something in every pile: canastas of each kind on
// both sides, stacked hand columns, a frozen pile and scores, for painting and its pictures.
#pragma once

#include "position.h"

namespace tavolex::test {

inline const Position kBusyTable = {
    .playerHand =
        "heart4 club4 heart6 spade7 spade7 heart8 club8 diamond8 heartv spadea joker "
        "club2",
    .playerMelds =
        "spade9 club9 diamond9 heart9 spade9 club9 joker | hearth clubh spadeh | "
        "heart5 club5 diamond5 spade5 heart5 club5 diamond5 | heart3",
    .opponentHand = "club6 diamond6 spade6 club7 diamond10 heart10 clubb diamond3 spade3",
    .opponentMelds =
        "spadeb clubb diamondb heartb spadeb diamondb heart2 | spade10 club10 club2 "
        "| diamonda hearta",
    .discardPile = "spade4 diamond4 club3 diamondv heart7 diamond7",
    .playerScore = 1270,
    .opponentScore = 985,
    .pileFrozen = true};

}  // namespace tavolex::test
