// Any bytes as the query of a match report: refused, or accepted with nicknames and numbers
// inside their limits.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "match_query.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto match =
        tavolex::server::ParseMatchQuery({reinterpret_cast<const char*>(data), size});
    if (!match) return 0;
    const auto nicknameOk = [](const std::string& name) {
        if (name.empty() || name.size() > 16) return false;
        for (const char c : name) {
            if (c < ' ' || c > '~') return false;
        }
        return true;
    };
    if (!nicknameOk(match->nickname1) || !nicknameOk(match->nickname2) || match->gameType < 0 ||
        match->gameType > 2 || std::abs(match->score1) > 1'000'000 ||
        std::abs(match->score2) > 1'000'000) {
        std::abort();
    }
    return 0;
}
