// Chat lines as they travel: no byte of them may end a field or a message.
#pragma once

#include <string>
#include <string_view>

namespace tavolex {

// At most 255 characters, each one below 32 or above 250 replaced by "_"; received lines are
// cleaned the same way before they are shown.
std::string CleanChatLine(std::string_view line);

}  // namespace tavolex
