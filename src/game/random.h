// The program's one random generator: shuffles, computer decisions and sound choices all
// draw from it, so a seeded run can be replayed exactly.
#pragma once

#include <cstdint>
#include <random>

namespace tavolex {

class Random {
public:
    explicit Random(uint32_t seed = 5489u) : engine_(seed) {}
    void Seed(uint32_t seed) { engine_.seed(seed); }
    // A whole number in 0 .. bound - 1 (0 when bound < 1). Our own mapping, so the sequence
    // is the same with every standard library.
    int32_t Below(int32_t bound);
    // A real number in [0, 1).
    double Real();
    uint32_t Next() { return static_cast<uint32_t>(engine_()); }
    bool operator==(const Random&) const = default;

private:
    std::mt19937 engine_;
};

}  // namespace tavolex
