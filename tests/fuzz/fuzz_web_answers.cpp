// Any bytes as the web server's answers: the game-server address and the latest version are
// read without a crash, and what they give stays usable.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lobby/web_services.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string answer(reinterpret_cast<const char*>(data), size);
    const tavolex::GameServerAddress address = tavolex::ParseGameServerAddress(answer);
    if (address.port < 0 || address.port > 65535) std::abort();
    if (!answer.empty() && address.port == 0) std::abort();
    const std::string latest = tavolex::LatestVersionFromAnswer(answer);
    if (latest.empty() || latest[0] == '<' || latest.find('\n') != std::string::npos) std::abort();
    // A version is never later than itself.
    if (tavolex::IsLaterVersion(latest, latest)) std::abort();
    return 0;
}
