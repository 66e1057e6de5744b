// Counts what a computer lays down in its turn that the player would be refused. It only
// counts: no decision of the computer changes for it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/table.h"

namespace tavolex::cli {

struct RefusedLayDowns {
    long initialMeldBelowMinimum = 0;
    long moreWildsThanNaturals = 0;  // columns
    long shortColumnAtDiscard = 0;   // columns of one or two cards
    long blackThreesWithCardsLeft = 0;
    long handEmptiedShortOfCanastas = 0;

    long Total() const {
        return initialMeldBelowMinimum + moreWildsThanNaturals + shortColumnAtDiscard +
               blackThreesWithCardsLeft + handEmptiedShortOfCanastas;
    }
};

// Taken at the start of a turn of the opponent's side of the table, judged at its end.
class LayDownAudit {
  public:
    explicit LayDownAudit(const Table& table);
    void JudgeTurn(const Table& table, RefusedLayDowns& counts) const;

  private:
    struct Columns {
        std::array<int, kColumns> cards{};
        std::array<int, kColumns> wilds{};
        int blackThrees = 0;
    };
    static Columns CountColumnsOf(const Table& table);

    int32_t meldPoints_;
    int32_t minimum_;
    int stockCount_;
    std::optional<CardRecord> top_;
    Columns columns_;
};

}  // namespace tavolex::cli
