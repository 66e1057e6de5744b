// One side's result of a scored hand.
#pragma once

#include <array>
#include <cstdint>

namespace tavolex {

struct HandResult {
    int32_t meldCount = 0;
    int32_t meldPoints = 0;
    int32_t handCount = 0;
    int32_t handPoints = 0;
    int32_t canastaCount = 0;
    int32_t canastaBonus = 0;
    int32_t redThreeCount = 0;
    int32_t redThreePoints = 0;
    int32_t spare1 = 0;
    int32_t finishBonus = 0;
    int32_t spare2 = 0;
    int32_t total = 0;

    std::array<int32_t, 12> Values() const {
        return {meldCount,    meldPoints,   handCount,      handPoints,
                canastaCount, canastaBonus, redThreeCount,  redThreePoints,
                spare1,       finishBonus,  spare2,         total};
    }
    bool operator==(const HandResult&) const = default;
};

}  // namespace tavolex
