// The two copies of a network match compared mirror-wise. Each side writes, whenever its point
// in the exchange moves on (a message dispatched, a move sent), one line: that point, counted
// as the messages each role has sent, and a hash of the whole game as the side sees it with the
// sides named by their roles. Where both sides wrote a line for the same point, their games
// must be the same.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "game/table.h"

namespace tavolex::cli {

// Messages sent so far by the side that invited (and deals) and by the side that accepted.
struct ExchangePoint {
    long inviterSent = 0;
    long accepterSent = 0;
    bool operator==(const ExchangePoint&) const = default;
};

// Every card in its place (stock and discard pile in order, hands and meld columns as sets; the
// two copies of a card are not told apart),
// each role's tally and match score, the frozen pile and whose turn it is; the local side is
// the inviter when invited.
std::string MirrorText(const Table& table, bool invited);

class DigestWriter {
  public:
    // withText adds the text itself to each line, for a reader who wants to see what differs.
    DigestWriter(std::ostream& out, bool invited, bool withText = false);
    // Writes a line unless the point is the one of the last line.
    void Write(ExchangePoint point, const Table& table);

  private:
    std::ostream& out_;
    bool invited_;
    bool withText_;
    std::optional<ExchangePoint> last_;
};

struct DigestComparison {
    long compared = 0;                        // points both sides wrote
    std::optional<std::string> disagreement;  // the first, with both lines
};

// Reads two sides' digests (in either order) side by side up to the first disagreement.
DigestComparison CompareDigests(std::istream& first, std::istream& second);

}  // namespace tavolex::cli
