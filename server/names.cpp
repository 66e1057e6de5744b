#include "names.h"

#include <algorithm>

namespace tavolex::server {
namespace {

bool AllIn(std::string_view text, char first, char last) {
    return std::all_of(text.begin(), text.end(), [&](char c) { return c >= first && c <= last; });
}

}  // namespace

bool IsValidNickname(std::string_view nickname) {
    return nickname.size() >= 2 && nickname.size() <= kMaxNicknameLength &&
           AllIn(nickname, '!', '~');
}

bool IsValidRoomName(std::string_view name) {
    return !name.empty() && name.size() <= kMaxRoomNameLength && AllIn(name, ' ', '~') &&
           name.front() != ' ' && name.back() != ' ';
}

bool IsValidGameId(std::string_view gameId) {
    return !gameId.empty() && gameId.size() <= kMaxGameIdLength && AllIn(gameId, '!', '~');
}

std::string NicknameKey(std::string_view nickname) {
    std::string key(nickname);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

}  // namespace tavolex::server
