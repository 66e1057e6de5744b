// How long a wave file plays, from its header alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavolex {

// The playing time in milliseconds of a RIFF wave text (its "fmt " byte rate and its "data"
// size); nothing when the header is not one. Reads no further than the chunk headers.
std::optional<int> WaveMilliseconds(std::string_view header);
// The same for a file, of which only the first kilobytes are read.
std::optional<int> WaveFileMilliseconds(const std::string& path);

}  // namespace tavolex
