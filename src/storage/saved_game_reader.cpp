#include <charconv>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <vector>

#include "game/peer_codes.h"
#include "game/peer_link.h"
#include "game/status_texts.h"
#include "storage/saved_game.h"
#include "storage/saved_game_format.h"

namespace tavolex {

namespace {

using namespace saved_game;

constexpr int64_t kInt32Low = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32High = std::numeric_limits<int32_t>::max();
// Far beyond any table, and small enough that the column arithmetic of the rules and of a
// change of layout cannot overflow.
constexpr int64_t kMaxCoordinate = 1'000'000;

// The blank-separated numbers of one line, taken in order. A missing, non-numeric or
// out-of-range number marks the line failed and reads as the low end of its range, so that the
// arithmetic done before the line is checked stays harmless.
class NumberLine {
public:
    explicit NumberLine(std::string_view line) {
        for (size_t start = 0; start < line.size();) {
            if (line[start] == ' ') {
                ++start;
                continue;
            }
            const size_t end = std::min(line.find(' ', start), line.size());
            words_.push_back(line.substr(start, end - start));
            start = end;
        }
    }

    std::string_view Word() {
        if (next_ < words_.size()) return words_[next_++];
        failed_ = true;
        return {};
    }

    int64_t Take(int64_t low, int64_t high) {
        const std::string_view word = Word();
        int64_t value = low;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (word.empty() || error != std::errc{} || end != word.data() + word.size() ||
            value < low || value > high) {
            failed_ = true;
            return low;
        }
        return value;
    }

    bool Failed() const { return failed_; }
    // Every number was taken and was valid.
    bool Complete() const { return !failed_ && next_ == words_.size(); }

private:
    std::vector<std::string_view> words_;
    size_t next_ = 0;
    bool failed_ = false;
};

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \r\t") == std::string_view::npos;
}

bool ReadCard(NumberLine& line, int key, CardRecord& card) {
    const int64_t dividend = key + kKeyOffset;
    KeyedCard keyed{};
    keyed.idQuotient = line.Take(1, dividend);
    keyed.rankQuotient = line.Take(1, dividend);
    card.x = static_cast<int32_t>(line.Take(-kMaxCoordinate, kMaxCoordinate));
    card.y = static_cast<int32_t>(line.Take(-kMaxCoordinate, kMaxCoordinate));
    card.points = static_cast<int32_t>(line.Take(kInt32Low, kInt32High));
    card.faceUp = line.Take(kInt32Low, kInt32High) != 0;
    card.deck = static_cast<uint8_t>(line.Take(0, 1));
    keyed.idRemainder = line.Take(0, dividend);
    keyed.rankRemainder = line.Take(0, dividend);
    if (line.Failed()) return false;

    const int64_t cardId = (dividend - keyed.idRemainder) / keyed.idQuotient - 1;
    const int64_t rank = (dividend - keyed.rankRemainder) / keyed.rankQuotient - 1;
    if (cardId < 1 || cardId > kJokerId) return false;
    card.cardId = static_cast<uint8_t>(cardId);
    if (rank != RankOf(card.cardId)) return false;
    card.rank = RankOf(card.cardId);
    // A group that does not key back to the same numbers was not written by a writer of ours.
    return card.points == PointsOf(card.cardId) && KeyCard(card, key) == keyed;
}

bool ReadPile(NumberLine& line, bool anchored, const TableLayout& layout, CardPile& pile,
              std::string& peerText) {
    const int key = static_cast<int>(line.Take(0, kKeyRange - 1));
    pile.count = static_cast<uint8_t>(line.Take(0, kMaxPile));
    if (line.Failed()) return false;
    for (int i = 0; i < pile.count; ++i) {
        CardRecord& card = pile.cards[i];
        if (!ReadCard(line, key, card)) return false;
        peerText += CardCode(card);
        // The peer lays a wild card in the column it stands in, which its rank does not give.
        if (anchored && IsWildRank(card.rank)) {
            peerText += std::to_string(layout.ColumnOf(card.x)) + ' ';
        }
    }
    if (anchored) {
        for (Anchor& anchor : pile.anchors) {
            anchor.x = static_cast<int32_t>(line.Take(-kMaxCoordinate, kMaxCoordinate));
            anchor.y = static_cast<int32_t>(line.Take(-kMaxCoordinate, kMaxCoordinate));
        }
    }
    peerText += kFieldSeparator;
    return line.Complete();
}

bool ReadTally(NumberLine& line, MeldTally& tally, std::string& peerText) {
    tally.canastaCount = static_cast<int32_t>(line.Take(0, kColumns - 1));
    for (int column = 1; column < kColumns; ++column) {
        tally.CanastaKind[column] = static_cast<uint8_t>(line.Take(kNoCanasta, kWildCanasta));
    }
    for (int column = 1; column < kColumns; ++column) {
        tally.NaturalCount[column] = static_cast<uint8_t>(line.Take(0, UINT8_MAX));
    }
    peerText += std::to_string(tally.canastaCount) + ' ';
    for (int column = 1; column < kColumns; ++column) {
        peerText += std::to_string(tally.CanastaKind[column]) + ' ';
    }
    for (int column = 1; column < kColumns; ++column) {
        peerText += std::to_string(tally.NaturalCount[column]) + ' ';
    }
    peerText += kFieldSeparator;
    return line.Complete();
}

bool ReadTurnFields(NumberLine& line, GameState& state) {
    ForEachTurnField([&](auto member, TurnField kind) {
        using Field = std::remove_reference_t<decltype(state.*member)>;
        switch (kind) {
            case TurnField::Flag:
                state.*member = line.Take(kInt32Low, kInt32High) != 0;
                break;
            case TurnField::Byte:
                state.*member = static_cast<Field>(line.Take(0, UINT8_MAX));
                break;
            case TurnField::Number:
                state.*member = static_cast<Field>(line.Take(kInt32Low, kInt32High));
                break;
            case TurnField::Prompt:
                state.*member = static_cast<Field>(line.Take(0, kPromptCount - 1));
                break;
        }
    });
    return line.Complete();
}

// Two decks and four jokers across the live piles: each card once per deck, the joker twice.
bool PackComplete(const GameState& state) {
    const CardPile* live[] = {&state.Stock,      &state.DiscardPile,   &state.OpponentHand,
                              &state.PlayerHand, &state.OpponentMelds, &state.PlayerMelds};
    std::array<std::array<int, kJokerId + 1>, 2> seen{};
    for (const CardPile* pile : live) {
        for (const CardRecord& card : *pile) ++seen[card.deck][card.cardId];
    }
    for (const auto& deck : seen) {
        for (int cardId = 1; cardId <= kJokerId; ++cardId) {
            if (deck[cardId] != (cardId == kJokerId ? 2 : 1)) return false;
        }
    }
    return true;
}

ReadResult Refused(ReadError error) {
    return {error, std::nullopt};
}

}  // namespace

ReadResult ReadSavedGame(std::string_view text) {
    if (!text.starts_with(kSavedGameMagic)) return Refused(ReadError::NotSavedGame);
    const std::vector<std::string_view> lines = SplitLines(text);
    NumberLine first(lines.front());
    if (first.Word() != kSavedGameMagic) return Refused(ReadError::Damaged);
    const int64_t version = first.Take(kInt32Low, kInt32High);
    if (first.Failed()) return Refused(ReadError::Damaged);
    if (version != kSavedGameVersion) return Refused(ReadError::Version);

    if (lines.size() < kLineCount) return Refused(ReadError::Damaged);
    for (size_t i = kLineCount; i < lines.size(); ++i) {
        if (!IsBlank(lines[i])) return Refused(ReadError::Damaged);
    }

    SavedGame game;
    game.layout = static_cast<int>(first.Take(0, kLayouts - 1));
    if (first.Failed()) return Refused(ReadError::Damaged);
    const TableLayout layout = ComputeTableLayout(game.layout);
    GameState& state = game.state;
    const auto readPile = [&](NumberLine& line, int index) {
        const PileLine& pile = kPileLines[index];
        return ReadPile(line, pile.anchored, layout, state.*pile.pile, game.peerText);
    };
    if (!readPile(first, 0)) return Refused(ReadError::Damaged);
    for (int i = 1; i < kPileLineCount; ++i) {
        NumberLine line(lines[i]);
        if (!readPile(line, i)) return Refused(ReadError::Damaged);
    }
    for (int i = 0; i < kTallyLineCount; ++i) {
        NumberLine line(lines[kPileLineCount + i]);
        if (!ReadTally(line, state.*kTallyLines[i], game.peerText)) {
            return Refused(ReadError::Damaged);
        }
    }
    NumberLine last(lines[kLineCount - 1]);
    if (!ReadTurnFields(last, state) || !PackComplete(state)) return Refused(ReadError::Damaged);
    return {ReadError::None, std::move(game)};
}

}  // namespace tavolex
