#include "game/status_texts.h"

namespace tavolex {

const char* const kPromptTexts[kPromptCount] = {
    "Draw a card by clicking on the stock or the discard pile",
    "Meld a card by clicking it, discard a card by right-clicking it",
    "Meld by clicking a card, discard by right-clicking it twice",
    "Meld by clicking left, undo taking discard pile by clicking it",
    "Draw a second card from the stock",
    "Select a card to meld by typing one of the characters 2 thru 9, 0 (for 10), J, Q, K, A or W "
    "for a wildcard",
    "Select a card to discard by typing one of the characters 2 thru 9, 0 (for 10), J, Q, K, A or "
    "W for a wildcard",
    "Select a card to add a wildcard to by typing one of the characters 2 thru 9, 0 (for 10), J, "
    "Q, K or A",
    "It's the turn of your opponent now",
    "Please wait for the next hand to be dealt",
};

const char* const kErrorTexts[kErrorCount] = {
    "",
    "You cannot meld before drawing; please draw first by clicking on the stock or the discard "
    "pile",
    "You cannot discard before drawing; please draw first by clicking on the stock or the discard "
    "pile",
    "You have already drawn",
    "Discarding is not possible now: ",
    "Taking the discard pile is not possible now because you cannot meld the top card",
    "Black Threes can only be melded as the last cards when going out",
    "You need at least seven wildcards to create a wildcard Canasta",
    "Wildcard Canastas are not allowed with the current rules",
    "You cannot take a pile with one card if you only have one card in hand",
};

const char* const kStockExhaustedPrompt = "Stock exhausted; take discard pile or end hand";

}  // namespace tavolex
