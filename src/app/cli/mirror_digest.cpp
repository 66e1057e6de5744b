#include "app/cli/mirror_digest.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "game/status_texts.h"

namespace tavolex::cli {

namespace {

constexpr uint64_t kFnvOffset = 14695981039346656037ull;
constexpr uint64_t kFnvPrime = 1099511628211ull;

uint64_t TextHash(const std::string& text) {
    uint64_t hash = kFnvOffset;
    for (const char byte : text) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= kFnvPrime;
    }
    return hash;
}

// Without its deck: a move names a card by its id alone, so where a hand holds both copies the
// two sides may move different ones.
void AppendCard(std::string& text, const CardRecord& card) {
    text += CardNameOf(card.cardId);
    text += ' ';
}

// Hands and meld columns are sets: the two sides lay the same cards out in their own order.
void AppendSet(std::string& text, std::vector<CardRecord> cards) {
    std::sort(cards.begin(), cards.end(),
              [](const CardRecord& a, const CardRecord& b) { return a.cardId < b.cardId; });
    for (const CardRecord& card : cards) AppendCard(text, card);
}

struct SideView {
    const CardPile& hand;
    const CardPile& melds;
    const MeldTally& tally;
    int32_t score;
};

void AppendSide(std::string& text, const char* role, const SideView& side,
                const TableLayout& layout) {
    text += std::string("| ") + role + " hand ";
    AppendSet(text, {side.hand.begin(), side.hand.end()});
    std::array<std::vector<CardRecord>, kColumns> columns;
    for (const CardRecord& card : side.melds) {
        const int column = layout.ColumnOf(card.x);
        columns[column >= 0 && column < kColumns ? column : 0].push_back(card);
    }
    text += "melds ";
    for (int column = 0; column < kColumns; ++column) {
        if (columns[column].empty()) continue;
        text += std::to_string(column) + ": ";
        AppendSet(text, columns[column]);
    }
    text += "canastas " + std::to_string(side.tally.canastaCount);
    for (int column = 0; column < kColumns; ++column) {
        text += ' ' + std::to_string(side.tally.CanastaKind[column]) + '/' +
                std::to_string(side.tally.NaturalCount[column]);
    }
    text += " score " + std::to_string(side.score) + ' ';
}

}  // namespace

std::string MirrorText(const Table& table, bool invited) {
    const GameState& state = table.state;
    std::string text = "stock ";
    for (const CardRecord& card : state.Stock) AppendCard(text, card);
    text += "| pile ";
    for (const CardRecord& card : state.DiscardPile) AppendCard(text, card);
    text += state.PileFrozen ? "frozen " : "";
    const SideView own{state.PlayerHand, state.PlayerMelds, state.PlayerTally, state.PlayerScore};
    const SideView other{state.OpponentHand, state.OpponentMelds, state.OpponentTally,
                         state.OpponentScore};
    AppendSide(text, "inviter", invited ? own : other, table.layout);
    AppendSide(text, "accepter", invited ? other : own, table.layout);
    const bool ownTurn = !state.PlayerLocked;
    text += "| turn ";
    text += state.Prompt == kPromptHandOver ? "over" : ownTurn == invited ? "inviter" : "accepter";
    return text;
}

DigestWriter::DigestWriter(std::ostream& out, bool invited, bool withText)
    : out_(out), invited_(invited), withText_(withText) {}

void DigestWriter::Write(ExchangePoint point, const Table& table) {
    if (last_ == point) return;
    last_ = point;
    const std::string text = MirrorText(table, invited_);
    char hash[20];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(TextHash(text)));
    out_ << point.inviterSent << ' ' << point.accepterSent << ' ' << hash;
    if (withText_) out_ << ' ' << text;
    out_ << '\n';
}

namespace {

struct DigestLine {
    ExchangePoint point;
    std::string hash;
    std::string whole;
    long Sum() const { return point.inviterSent + point.accepterSent; }
};

// The next line, or none at the end; a line that cannot be read ends the digest too.
std::optional<DigestLine> ReadLine(std::istream& in) {
    DigestLine line;
    if (!std::getline(in, line.whole)) return std::nullopt;
    std::istringstream fields(line.whole);
    if (!(fields >> line.point.inviterSent >> line.point.accepterSent >> line.hash)) {
        return std::nullopt;
    }
    return line;
}

}  // namespace

// Each side's points only grow, one message or more at a time, so both digests are ordered by
// the number of messages sent in all; two lines of the same number either name the same point
// or neither point occurs on the other side.
DigestComparison CompareDigests(std::istream& first, std::istream& second) {
    DigestComparison result;
    std::optional<DigestLine> a = ReadLine(first);
    std::optional<DigestLine> b = ReadLine(second);
    while (a && b) {
        if (a->Sum() < b->Sum()) {
            a = ReadLine(first);
            continue;
        }
        if (b->Sum() < a->Sum()) {
            b = ReadLine(second);
            continue;
        }
        if (a->point == b->point) {
            if (a->hash != b->hash) {
                result.disagreement = a->whole + "\n" + b->whole;
                return result;
            }
            ++result.compared;
        }
        a = ReadLine(first);
        b = ReadLine(second);
    }
    return result;
}

}  // namespace tavolex::cli
