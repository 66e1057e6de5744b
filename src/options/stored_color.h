// Colours are stored as the original platform kept them: red in the low byte, then green, then
// blue (32768 is dark green, 128 dark red).
#pragma once

#include <cstdint>

namespace tavolex {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb RgbOfStoredColor(int64_t stored) {
    return {static_cast<uint8_t>(stored & 0xff), static_cast<uint8_t>((stored >> 8) & 0xff),
            static_cast<uint8_t>((stored >> 16) & 0xff)};
}

constexpr int64_t StoredColorOf(Rgb rgb) {
    return int64_t{rgb.red} | int64_t{rgb.green} << 8 | int64_t{rgb.blue} << 16;
}

}  // namespace tavolex
