#include "network/chat_line.h"

namespace tavolex {

namespace {
constexpr size_t kMaxChatLine = 255;
}

std::string CleanChatLine(std::string_view line) {
    std::string clean(line.substr(0, kMaxChatLine));
    for (char& c : clean) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte > 250) c = '_';
    }
    return clean;
}

}  // namespace tavolex
