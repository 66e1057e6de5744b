#include "app/cli/match_report.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "app/cli/level_names.h"

namespace tavolex::cli {

namespace {

constexpr double kZ95 = 1.96;
constexpr uint64_t kFnvOffset = 14695981039346656037ull;
constexpr uint64_t kFnvPrime = 1099511628211ull;

void HashNumber(uint64_t& hash, int64_t number) {
    for (int byte = 0; byte < 8; ++byte) {
        hash ^= static_cast<uint64_t>(number >> (8 * byte)) & 0xFF;
        hash *= kFnvPrime;
    }
}

int32_t MarginFor(const HandOutcome& hand, Side side) {
    const int32_t margin = hand.player - hand.opponent;
    return side == kPlayerSide ? margin : -margin;
}

struct SideFigures {
    long matchesWon = 0;
    long handsWon = 0;
    MarginSummary margin;
    double millisecondsPerTurn = 0;
};

SideFigures FiguresFor(const ComputerMatch& match, Side side) {
    SideFigures figures;
    for (const int32_t margin : match.matchMargins())
        if ((side == kPlayerSide ? margin : -margin) > 0) ++figures.matchesWon;
    for (const HandOutcome& hand : match.hands())
        if (MarginFor(hand, side) > 0) ++figures.handsWon;
    figures.margin = SummarizeMargins(match.hands(), side);
    const SideRecord& record = match.side(side);
    if (record.turns > 0) figures.millisecondsPerTurn = 1000 * record.turnSeconds / record.turns;
    return figures;
}

double PerThousandHands(long count, size_t hands) {
    return hands == 0 ? 0 : 1000.0 * static_cast<double>(count) / static_cast<double>(hands);
}

Json SideJson(const ComputerMatch& match, Side side) {
    const SideFigures figures = FiguresFor(match, side);
    const RefusedLayDowns& refused = match.side(side).refused;
    const size_t hands = match.hands().size();
    return {{"level", LevelName(match.side(side).level)},
            {"matchesWon", figures.matchesWon},
            {"handsWon", figures.handsWon},
            {"meanHandMargin", figures.margin.mean},
            {"confidence95", {figures.margin.low, figures.margin.high}},
            {"millisecondsPerTurn", figures.millisecondsPerTurn},
            {"refusedPer1000Hands",
             {{"initialMeldBelowMinimum", PerThousandHands(refused.initialMeldBelowMinimum, hands)},
              {"moreWildsThanNaturals", PerThousandHands(refused.moreWildsThanNaturals, hands)},
              {"shortColumnAtDiscard", PerThousandHands(refused.shortColumnAtDiscard, hands)},
              {"blackThreesWithCardsLeft",
               PerThousandHands(refused.blackThreesWithCardsLeft, hands)}}}};
}

std::string Hex(uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The text form reads the figures of the JSON form, so the two never disagree.
void WriteSide(std::ostream& out, const char* title, const Json& side) {
    const Json& refused = side["refusedPer1000Hands"];
    out << title << " (" << side["level"].get<std::string>() << "): " << side["matchesWon"]
        << " matches won, " << side["handsWon"] << " hands won, mean hand margin "
        << Fixed(side["meanHandMargin"], 1) << " (95% CI " << Fixed(side["confidence95"][0], 1)
        << " to " << Fixed(side["confidence95"][1], 1) << "), "
        << Fixed(side["millisecondsPerTurn"], 3) << " ms per turn\n"
        << "  refused lay-downs per 1000 hands: initial meld below minimum "
        << Fixed(refused["initialMeldBelowMinimum"], 1) << ", more wild cards than naturals "
        << Fixed(refused["moreWildsThanNaturals"], 1) << ", one- or two-card column at the discard "
        << Fixed(refused["shortColumnAtDiscard"], 1) << ", black threes with cards left "
        << Fixed(refused["blackThreesWithCardsLeft"], 1) << '\n';
}

}  // namespace

MarginSummary SummarizeMargins(const std::vector<HandOutcome>& hands, Side side) {
    MarginSummary summary;
    if (hands.empty()) return summary;
    const double n = static_cast<double>(hands.size());
    double sum = 0;
    for (const HandOutcome& hand : hands) sum += MarginFor(hand, side);
    summary.mean = sum / n;
    double squares = 0;
    for (const HandOutcome& hand : hands) {
        const double deviation = MarginFor(hand, side) - summary.mean;
        squares += deviation * deviation;
    }
    const double halfWidth = hands.size() < 2 ? 0 : kZ95 * std::sqrt(squares / (n - 1) / n);
    summary.low = summary.mean - halfWidth;
    summary.high = summary.mean + halfWidth;
    return summary;
}

uint64_t ResultsChecksum(const ComputerMatch& match) {
    uint64_t hash = kFnvOffset;
    for (const HandOutcome& hand : match.hands()) {
        HashNumber(hash, hand.player);
        HashNumber(hash, hand.opponent);
    }
    for (const int32_t margin : match.matchMargins()) HashNumber(hash, margin);
    return hash;
}

Json MatchReportJson(const ComputerMatch& match, double seconds) {
    const size_t hands = match.hands().size();
    return {{"matches", match.matchMargins().size()},
            {"hands", hands},
            {"handsPerSecond", seconds > 0 ? static_cast<double>(hands) / seconds : 0.0},
            {"checksum", Hex(ResultsChecksum(match))},
            {"player", SideJson(match, kPlayerSide)},
            {"opponent", SideJson(match, kOpponentSide)}};
}

void WriteMatchReport(std::ostream& out, const ComputerMatch& match, double seconds) {
    const Json report = MatchReportJson(match, seconds);
    out << report["matches"] << " matches, " << report["hands"] << " hands, "
        << Fixed(report["handsPerSecond"], 1) << " hands per second, checksum "
        << report["checksum"].get<std::string>() << '\n';
    WriteSide(out, "player", report["player"]);
    WriteSide(out, "opponent", report["opponent"]);
}

}  // namespace tavolex::cli
