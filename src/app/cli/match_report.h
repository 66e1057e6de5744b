// The figures of a computer-against-computer run: per side the matches and hands won, the mean
// hand margin with its 95% confidence interval (and, when asked, how the score parts make it
// up) and the refused lay-downs per 1,000 hands; the speed; and a checksum of every result, the
// same for the same seed.
#pragma once

#include <iosfwd>

#include "app/cli/computer_match.h"
#include "app/cli/state_json.h"

namespace tavolex::cli {

struct MarginSummary {
    double mean = 0;
    double low = 0;  // the 95% confidence interval
    double high = 0;
};

// The mean of what the values measure for the player's side, seen from the side given.
MarginSummary SummarizeMargins(const RunningMean& margins, Side side);

// withParts adds the mean hand margin of each score part.
Json MatchReportJson(const ComputerMatch& match, double seconds, bool withParts);
void WriteMatchReport(std::ostream& out, const ComputerMatch& match, double seconds,
                      bool withParts);

}  // namespace tavolex::cli
