// Reading counters, scores and fields that hand-editing or an old version may have damaged.
#pragma once

#include <charconv>
#include <cstdint>
#include <limits>
#include <string_view>

namespace tavolex {

// A stored counter outside 0 .. the largest 32-bit number reads as 0, so that sums and ratios
// over counters stay meaningful.
inline int32_t ToCounter(int64_t value) {
    return value < 0 || value > std::numeric_limits<int32_t>::max() ? 0
                                                                    : static_cast<int32_t>(value);
}

// The text without leading and trailing blanks, tabs and line ends.
inline std::string_view TrimBlanks(std::string_view text) {
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// A counter written in decimal; anything else reads as 0.
inline int32_t ParseCounter(std::string_view text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end ? ToCounter(value) : 0;
}

}  // namespace tavolex
