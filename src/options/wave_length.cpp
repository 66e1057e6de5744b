#include "options/wave_length.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace tavolex {

namespace {

constexpr size_t kRiffHeader = 12;
constexpr size_t kChunkHeader = 8;
constexpr size_t kByteRateOffset = 8;  // inside the "fmt " chunk's data
// Where the "data" chunk begins in any wave file the game plays.
constexpr size_t kHeaderBytes = 4096;

uint32_t Little32(std::string_view text, size_t at) {
    uint32_t value = 0;
    for (size_t i = 4; i-- > 0;) value = value << 8 | static_cast<unsigned char>(text[at + i]);
    return value;
}

}  // namespace

std::optional<int> WaveMilliseconds(std::string_view header) {
    if (header.size() < kRiffHeader || header.substr(0, 4) != "RIFF" ||
        header.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    uint32_t byteRate = 0;
    for (size_t at = kRiffHeader; at + kChunkHeader <= header.size();) {
        const std::string_view id = header.substr(at, 4);
        const uint32_t size = Little32(header, at + 4);
        const size_t data = at + kChunkHeader;
        if (id == "fmt " && data + kByteRateOffset + 4 <= header.size()) {
            byteRate = Little32(header, data + kByteRateOffset);
        } else if (id == "data") {
            if (byteRate == 0) return std::nullopt;
            const uint64_t milliseconds = uint64_t{size} * 1000 / byteRate;
            return static_cast<int>(std::min<uint64_t>(milliseconds, INT32_MAX));
        }
        // Chunks are padded to an even length.
        at = data + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<int> WaveFileMilliseconds(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string header(kHeaderBytes, '\0');
    in.read(header.data(), static_cast<std::streamsize>(header.size()));
    header.resize(static_cast<size_t>(in.gcount()));
    return WaveMilliseconds(header);
}

}  // namespace tavolex
