// Which client versions may log in.
#pragma once

#include <string_view>

namespace tavolex::server {

// The protocol word of the clients this server speaks to.
constexpr std::string_view kProtocol = "501";

enum class VersionVerdict { kCurrent, kNewerAvailable, kTooOld, kUnknown };

// Versions are dotted decimal numbers ("5.0"); anything else, or another protocol, is unknown.
VersionVerdict JudgeClientVersion(std::string_view version, std::string_view protocol,
                                  std::string_view latest, std::string_view minimum);

}  // namespace tavolex::server
