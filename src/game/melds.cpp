#include "game/melds.h"

#include "game/table.h"

namespace tavolex {

const char* const kRejectTooFewCards = "every melded rank must contain at least three cards";
const char* const kRejectBlackThrees = "the Black Threes have not been melded correctly";
const char* const kRejectTooManyWildcards = "there are too many wildcards within one rank";
const char* const kRejectWildCanasta = "wildcards must be melded as a canasta";
const char* const kRejectTopCard = "you have not melded the top card correctly";

std::string RejectInitialMeld(int, int) { return {}; }
std::string RejectGoingOut(int) { return {}; }
bool MeldsValid(Table&) { return true; }
bool MeldsValidForDiscard(Table&) { return true; }
void UpdateBlackThreesAllowed(Table&) {}
void MeldCard(Table&, int) {}
void MeldRank(Table&, int, bool) {}
void AddWildToMeld(Table&, int) {}
void WildOntoMeld(Table&, int, bool) {}
void CompleteWithWilds(Table&, int) {}
void ExtendWildCanasta(Table&, WildCanastaMode) {}
bool SquareCanasta(Table&, CardPile&, bool, int) { return false; }

}  // namespace tavolex
