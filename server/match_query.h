// The query of a match report: "nickname1=..&score1=..&nickname2=..&score2=..&gametype=..".
#pragma once

#include <optional>
#include <string_view>

#include "database.h"

namespace tavolex::server {

// Each of the five keys exactly once and nothing else; values percent-decoded; nicknames 1 to
// 16 printable ASCII characters, scores whole numbers within a million either way, the game type
// 0, 1 or 2. Anything else gives nothing.
std::optional<MatchReport> ParseMatchQuery(std::string_view query);

}  // namespace tavolex::server
