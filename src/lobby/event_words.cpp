#include "lobby/event_words.h"

namespace tavolex {

std::string TakeWord(std::string_view& text, bool restOfLine) {
    std::string word;
    bool quoted = false;
    size_t at = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') quoted = !quoted;
        if (!quoted && (c == '\r' || (c == ' ' && !restOfLine))) break;
        word += c;
    }
    text.remove_prefix(at < text.size() ? at + 1 : at);
    return word;
}

std::string FirstWord(std::string_view text) {
    return TakeWord(text);
}

std::string LineOf(std::string_view text) {
    const std::string line = TakeWord(text, true);
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

std::string CleanNickname(std::string_view field) {
    std::string nickname(field.substr(0, 16));
    for (char& c : nickname) {
        if (c == ' ' || c == '#' || static_cast<unsigned char>(c) >= 128) c = '_';
    }
    return nickname;
}

std::string CleanPrivateRoom(std::string_view field) {
    std::string room(field);
    for (char& c : room) {
        if (c == '#') c = '_';
    }
    return room;
}

}  // namespace tavolex
