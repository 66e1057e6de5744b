#include "app/cli/match_report.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "app/cli/level_names.h"

namespace tavolex::cli {

namespace {

constexpr double kZ95 = 1.96;

// The score parts by their names in the report, in the order of ScorePart.
constexpr const char* kPartKeys[kScoreParts] = {"melds", "cardsLeftInHand", "canastaBonuses",
                                                "redThrees", "goingOut"};
constexpr const char* kPartTexts[kScoreParts] = {"melds", "cards left in hand", "canasta bonuses",
                                                 "red threes", "going out"};

double PerThousandHands(long count, long hands) {
    return hands == 0 ? 0 : 1000.0 * static_cast<double>(count) / static_cast<double>(hands);
}

Json SideJson(const ComputerMatch& match, Side side, bool withParts) {
    const SideRecord& record = match.side(side);
    const RunTally& tally = match.tally();
    const MarginSummary margin = SummarizeMargins(tally.margin, side);
    const RefusedLayDowns& refused = record.refused;
    Json json = {
        {"level", LevelName(record.level)},
        {"matchesWon", record.matchesWon},
        {"handsWon", record.handsWon},
        {"meanHandMargin", margin.mean},
        {"confidence95", {margin.low, margin.high}},
        {"millisecondsPerTurn", record.turns > 0 ? 1000 * record.turnSeconds / record.turns : 0.0},
        {"refusedPer1000Hands",
         {{"initialMeldBelowMinimum",
           PerThousandHands(refused.initialMeldBelowMinimum, tally.hands)},
          {"moreWildsThanNaturals", PerThousandHands(refused.moreWildsThanNaturals, tally.hands)},
          {"shortColumnAtDiscard", PerThousandHands(refused.shortColumnAtDiscard, tally.hands)},
          {"blackThreesWithCardsLeft",
           PerThousandHands(refused.blackThreesWithCardsLeft, tally.hands)},
          {"handEmptiedShortOfCanastas",
           PerThousandHands(refused.handEmptiedShortOfCanastas, tally.hands)}}}};
    if (withParts) {
        Json parts = Json::object();
        for (int part = 0; part < kScoreParts; ++part)
            parts[kPartKeys[part]] = SummarizeMargins(tally.parts[part], side).mean;
        json["meanHandMarginByPart"] = parts;
    }
    return json;
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
        << Fixed(refused["blackThreesWithCardsLeft"], 1) << ", hand emptied short of canastas "
        << Fixed(refused["handEmptiedShortOfCanastas"], 1) << '\n';
    if (!side.contains("meanHandMarginByPart")) return;
    out << "  mean hand margin by part:";
    const Json& parts = side["meanHandMarginByPart"];
    for (int part = 0; part < kScoreParts; ++part)
        out << (part == 0 ? " " : ", ") << kPartTexts[part] << ' '
            << Fixed(parts[kPartKeys[part]], 1);
    out << '\n';
}

}  // namespace

MarginSummary SummarizeMargins(const RunningMean& margins, Side side) {
    MarginSummary summary;
    if (margins.count == 0) return summary;
    const double n = static_cast<double>(margins.count);
    summary.mean = side == kPlayerSide ? margins.mean : -margins.mean;
    const double halfWidth =
        margins.count < 2 ? 0 : kZ95 * std::sqrt(margins.squares / (n - 1) / n);
    summary.low = summary.mean - halfWidth;
    summary.high = summary.mean + halfWidth;
    return summary;
}

Json MatchReportJson(const ComputerMatch& match, double seconds, bool withParts) {
    const RunTally& tally = match.tally();
    return {{"matches", tally.matches},
            {"hands", tally.hands},
            {"handsPerSecond", seconds > 0 ? static_cast<double>(tally.hands) / seconds : 0.0},
            {"checksum", Hex(tally.checksum)},
            {"player", SideJson(match, kPlayerSide, withParts)},
            {"opponent", SideJson(match, kOpponentSide, withParts)}};
}

void WriteMatchReport(std::ostream& out, const ComputerMatch& match, double seconds,
                      bool withParts) {
    const Json report = MatchReportJson(match, seconds, withParts);
    out << report["matches"] << " matches, " << report["hands"] << " hands, "
        << Fixed(report["handsPerSecond"], 1) << " hands per second, checksum "
        << report["checksum"].get<std::string>() << '\n';
    WriteSide(out, "player", report["player"]);
    WriteSide(out, "opponent", report["opponent"]);
}

}  // namespace tavolex::cli
