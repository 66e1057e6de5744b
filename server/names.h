// What the lobby accepts as nicknames, room names and game ids.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolex::server {

constexpr std::size_t kMaxNicknameLength = 16;
constexpr std::size_t kMaxRoomNameLength = 64;
constexpr std::size_t kMaxGameIdLength = 32;

// 2 to 16 characters of printable ASCII other than space.
bool IsValidNickname(std::string_view nickname);
// 1 to 64 characters of printable ASCII (spaces allowed inside).
bool IsValidRoomName(std::string_view name);
// 1 to 32 characters of printable ASCII other than space.
bool IsValidGameId(std::string_view gameId);
// The nickname as users are told apart: "Anna" and "anna" are one user.
std::string NicknameKey(std::string_view nickname);

}  // namespace tavolex::server
