// Reading the texts of game-server events, and cleaning the names a user types before they
// travel in commands and room names.
#pragma once

#include <string>
#include <string_view>

namespace tavolex {

// Takes the next word from the front of text and returns it. A word ends at the next space or
// carriage return outside double quotes (each double quote switches the quoted state and stays
// in the word); with restOfLine only the carriage return ends it. The separator is dropped.
std::string TakeWord(std::string_view& text, bool restOfLine = false);

// The first word of an event text: the user it concerns.
std::string FirstWord(std::string_view text);

// The text up to its carriage return without blanks at either end: a room name, a chat line.
std::string LineOf(std::string_view text);

// The nickname field on leaving it: at most 16 characters, and every space, "#" and character
// of code 128 or more becomes "_" ("#" would break the game room's name). Takes Latin-1 bytes.
std::string CleanNickname(std::string_view field);

// The private-room field: "#" becomes "_" for the same reason.
std::string CleanPrivateRoom(std::string_view field);

}  // namespace tavolex
