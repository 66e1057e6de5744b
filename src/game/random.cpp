#include "game/random.h"

namespace tavolex {

int32_t Random::Below(int32_t bound) {
    if (bound < 1) return 0;
    // Reject the top of the range that would bias the low values.
    const uint32_t range = static_cast<uint32_t>(bound);
    const uint32_t limit = UINT32_MAX - UINT32_MAX % range;
    uint32_t value;
    do value = Next();
    while (value >= limit);
    return static_cast<int32_t>(value % range);
}

double Random::Real() { return Next() / 4294967296.0; }

}  // namespace tavolex
