// The playing time of a wave file, read from its header.
#include "options/wave_length.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tavolex {
namespace {

std::string Le32(uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

std::string Chunk(const std::string& id, const std::string& body) {
    return id + Le32(static_cast<uint32_t>(body.size())) + body +
           std::string(body.size() % 2, '\0');
}

// 22050 samples a second, 16-bit mono: 44100 bytes a second.
const std::string kFormat = Chunk(
    "fmt ", std::string("\1\0\1\0", 4) + Le32(22050) + Le32(44100) + std::string("\2\0\20\0", 4));

std::string Wave(const std::string& chunks) {
    return "RIFF" + Le32(static_cast<uint32_t>(chunks.size() + 4)) + "WAVE" + chunks;
}

TEST(WaveLength, ComesFromTheByteRateAndTheDataSize) {
    const std::string halfSecond = "data" + Le32(22050);  // the samples themselves not needed
    EXPECT_EQ(WaveMilliseconds(Wave(kFormat + halfSecond)), 500);
    // Other chunks, of odd length too, are stepped over.
    EXPECT_EQ(WaveMilliseconds(Wave(kFormat + Chunk("LIST", "odd") + halfSecond)), 500);
    // An absurd header gives the longest length there is, not a negative one.
    const std::string slow =
        Chunk("fmt ", std::string("\1\0\1\0", 4) + Le32(1) + Le32(1) + std::string("\1\0\10\0", 4));
    EXPECT_EQ(WaveMilliseconds(Wave(slow + "data" + Le32(0xFFFFFFFF))), INT32_MAX);
    for (const std::string& broken :
         {std::string("RIFF"), Wave(halfSecond), Wave(kFormat), "RIFX" + Wave(kFormat).substr(4),
          Wave(kFormat.substr(0, 12) + halfSecond), std::string("this is not a wave file")}) {
        EXPECT_FALSE(WaveMilliseconds(broken)) << broken.size();
    }
}

}  // namespace
}  // namespace tavolex
