// Seeded hands played through with each level on the computer's side: every card stays accounted
// for after every move, no error is shown, and the computer's side scores.
#include "level_table.h"

namespace tavolex {
namespace {

TEST(SeededHands, EveryLevelPlaysThroughWithoutAFault) {
    for (const uint8_t level : {kBeginner, kAdvanced, kExpert}) {
        for (uint32_t seed = 1; seed <= 30; ++seed) test::PlaySeededHands(level, seed, 6);
    }
}

}  // namespace
}  // namespace tavolex
