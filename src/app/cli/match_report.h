// The figures of a computer-against-computer run: per side the matches and hands won, the mean
// hand margin with its 95% confidence interval and the refused lay-downs per 1,000 hands; the
// speed; and a checksum of every result, the same for the same seed.
#pragma once

#include <cstdint>
#include <iosfwd>

#include "app/cli/computer_match.h"
#include "app/cli/state_json.h"

namespace tavolex::cli {

struct MarginSummary {
    double mean = 0;
    double low = 0;  // the 95% confidence interval
    double high = 0;
};

// The mean of the side's hand totals minus the other side's.
MarginSummary SummarizeMargins(const std::vector<HandOutcome>& hands, Side side);
uint64_t ResultsChecksum(const ComputerMatch& match);

Json MatchReportJson(const ComputerMatch& match, double seconds);
void WriteMatchReport(std::ostream& out, const ComputerMatch& match, double seconds);

}  // namespace tavolex::cli
