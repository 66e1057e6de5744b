// The chat lines the two players exchange during a network game.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolex {

inline constexpr size_t kChatLineLength = 255;

// The line cut to 255 characters, every character below 32 or above 250 replaced by "_": a
// chat line can then never carry the message framing's separator bytes (0xFE, 0xFF), a line
// break or another control character. Applied to the lines sent and to the lines received.
std::string CleanChatLine(std::string_view line);

// What Enter in the chat window sends: the sender's nickname, ": " and the typed text, cleaned.
std::string OwnChatLine(std::string_view ownNetName, std::string_view text);

}  // namespace tavolex
