#include "version_policy.h"

#include <charconv>
#include <optional>
#include <vector>

namespace tavolex::server {
namespace {

std::optional<std::vector<int>> ParseVersion(std::string_view text) {
    std::vector<int> parts;
    while (true) {
        int part = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), part);
        if (error != std::errc() || end == text.data() || parts.size() == 8) return std::nullopt;
        parts.push_back(part);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        if (text.empty()) return parts;
        if (text.front() != '.') return std::nullopt;
        text.remove_prefix(1);
    }
}

// Missing trailing parts count as zero: "5" equals "5.0".
int Compare(std::vector<int> a, std::vector<int> b) {
    const std::size_t size = std::max(a.size(), b.size());
    a.resize(size);
    b.resize(size);
    return a < b ? -1 : (a > b ? 1 : 0);
}

}  // namespace

VersionVerdict JudgeClientVersion(std::string_view version, std::string_view protocol,
                                  std::string_view latest, std::string_view minimum) {
    const auto client = ParseVersion(version);
    if (protocol != kProtocol || !client) return VersionVerdict::kUnknown;
    if (const auto lowest = ParseVersion(minimum); lowest && Compare(*client, *lowest) < 0)
        return VersionVerdict::kTooOld;
    if (const auto newest = ParseVersion(latest); newest && Compare(*client, *newest) < 0)
        return VersionVerdict::kNewerAvailable;
    return VersionVerdict::kCurrent;
}

}  // namespace tavolex::server
