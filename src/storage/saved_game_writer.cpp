#include <cmath>

#include "game/clock.h"
#include "game/random.h"
#include "storage/saved_game.h"
#include "storage/saved_game_format.h"

namespace tavolex {

namespace {

using namespace saved_game;

class LineWriter {
public:
    void Number(int64_t value) {
        text_ += std::to_string(value);
        text_ += ' ';
    }
    void Text(const char* text) {
        text_ += text;
        text_ += ' ';
    }
    void EndLine() { text_ += "\r\n"; }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

int DrawKey(Random& random, Clock& clock) {
    const double scaled = random.Real() * clock.MillisecondsSinceStart();
    return static_cast<int>(std::llround(std::fabs(scaled)) % kKeyRange);
}

void WritePile(LineWriter& out, const CardPile& pile, bool anchored, int key) {
    out.Number(key);
    out.Number(pile.count);
    for (const CardRecord& card : pile) {
        const KeyedCard keyed = KeyCard(card, key);
        out.Number(keyed.idQuotient);
        out.Number(keyed.rankQuotient);
        out.Number(card.x);
        out.Number(card.y);
        out.Number(card.points);
        out.Number(card.faceUp != 0);
        out.Number(card.deck);
        out.Number(keyed.idRemainder);
        out.Number(keyed.rankRemainder);
    }
    if (!anchored) return;
    for (const Anchor& anchor : pile.anchors) {
        out.Number(anchor.x);
        out.Number(anchor.y);
    }
}

void WriteTally(LineWriter& out, const MeldTally& tally) {
    out.Number(tally.canastaCount);
    for (int column = 1; column < kColumns; ++column) out.Number(tally.CanastaKind[column]);
    for (int column = 1; column < kColumns; ++column) out.Number(tally.NaturalCount[column]);
}

}  // namespace

std::string WriteSavedGame(const GameState& state, int layout, Random& random, Clock& clock) {
    LineWriter out;
    out.Text(kSavedGameMagic);
    out.Number(kSavedGameVersion);
    out.Number(layout);
    for (const PileLine& line : kPileLines) {
        WritePile(out, state.*line.pile, line.anchored, DrawKey(random, clock));
        out.EndLine();
    }
    for (MeldTally GameState::*tally : kTallyLines) {
        WriteTally(out, state.*tally);
        out.EndLine();
    }
    ForEachTurnField([&](auto member, TurnField kind) {
        const int64_t value = state.*member;
        out.Number(kind == TurnField::Flag ? value != 0 : value);
    });
    return out.Take();
}

}  // namespace tavolex
