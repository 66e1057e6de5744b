// Names and chat lines travel between the programs as Latin-1 bytes.
#pragma once

#include <QString>
#include <string>

namespace tavolex {

// A character beyond Latin-1 becomes the byte 0xFF, which the cleaning of names and chat lines
// replaces.
std::string Latin1Bytes(const QString& text);
QString FromLatin1(const std::string& bytes);

}  // namespace tavolex
