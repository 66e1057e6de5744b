#include "match_query.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace tavolex::server {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            decoded += ' ';
        } else if (text[i] != '%') {
            decoded += text[i];
        } else {
            if (i + 2 >= text.size()) return std::nullopt;
            const int high = HexValue(text[i + 1]);
            const int low = HexValue(text[i + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        }
    }
    return decoded;
}

bool IsNickname(const std::string& text) {
    return !text.empty() && text.size() <= 16 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

std::optional<int> WholeNumber(const std::string& text, int limit) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
        value < -limit || value > limit) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<MatchReport> ParseMatchQuery(std::string_view query) {
    constexpr std::string_view kKeys[] = {"nickname1", "score1", "nickname2", "score2", "gametype"};
    std::optional<std::string> values[5];
    while (!query.empty()) {
        const std::string_view pair = query.substr(0, query.find('&'));
        query.remove_prefix(std::min(query.size(), pair.size() + 1));
        const auto equals = pair.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const auto key = std::find(std::begin(kKeys), std::end(kKeys), pair.substr(0, equals));
        if (key == std::end(kKeys)) return std::nullopt;
        std::optional<std::string>& value = values[key - std::begin(kKeys)];
        if (value) return std::nullopt;
        value = PercentDecoded(pair.substr(equals + 1));
        if (!value) return std::nullopt;
    }
    if (!std::all_of(std::begin(values), std::end(values),
                     [](const auto& v) { return v.has_value(); }))
        return std::nullopt;
    const auto score1 = WholeNumber(*values[1], 1'000'000);
    const auto score2 = WholeNumber(*values[3], 1'000'000);
    const auto gameType = WholeNumber(*values[4], 2);
    if (!IsNickname(*values[0]) || !IsNickname(*values[2]) || !score1 || !score2 || !gameType ||
        *gameType < 0) {
        return std::nullopt;
    }
    return MatchReport{*values[0], *score1, *values[2], *score2, *gameType, {}};
}

}  // namespace tavolex::server
