// Any bytes as a wave file's header: the length reader must never read outside them, and a
// length it finds is never negative.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "options/wave_length.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<int> length =
        tavolex::WaveMilliseconds({reinterpret_cast<const char*>(data), size});
    if (length && *length < 0) std::abort();
    return 0;
}
