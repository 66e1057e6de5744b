#include "network/chat_line.h"

namespace tavolex {

std::string CleanChatLine(std::string_view line) {
    std::string cleaned(line.substr(0, kChatLineLength));
    for (char& c : cleaned) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte > 250) c = '_';
    }
    return cleaned;
}

std::string OwnChatLine(std::string_view ownNetName, std::string_view text) {
    std::string line(ownNetName);
    line += ": ";
    line += text;
    return CleanChatLine(line);
}

}  // namespace tavolex
