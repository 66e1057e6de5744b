#include "lobby/web_services.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <sstream>
#include <vector>

#include "game/settings_store.h"
#include "storage/settings_keys.h"

namespace tavolex {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A whole decimal number, or nothing.
std::optional<int64_t> DecimalNumber(const std::string& text) {
    const std::string trimmed = Trimmed(text);
    int64_t value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    if (trimmed.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::string PercentEncoded(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '_' || c == '.' || c == '~') {
            encoded += c;
        } else {
            encoded += {'%', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return encoded;
}

std::vector<int64_t> VersionNumbers(const std::string& version, bool& numeric) {
    std::vector<int64_t> numbers;
    std::istringstream parts(version);
    numeric = !version.empty();
    for (std::string part; std::getline(parts, part, '.');) {
        const std::optional<int64_t> number = DecimalNumber(part);
        if (!number || *number < 0) numeric = false;
        numbers.push_back(number.value_or(0));
    }
    return numbers;
}

}  // namespace

std::string WebAddress(const std::string& webServer, const std::string& path) {
    std::string base = Trimmed(webServer);
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base + path;
}

std::string ReadWebServer(SettingsStore& settings) {
    return ReadTextSetting(settings, kWebServerKey);
}

std::string SpacesEscaped(std::string url) {
    for (size_t at = url.find(' '); at != std::string::npos; at = url.find(' ', at + 3)) {
        url.replace(at, 1, "%20");
    }
    return url;
}

GameServerAddress ParseGameServerAddress(const std::string& answer) {
    if (answer.empty()) return {};
    GameServerAddress address{"", kDefaultGameServerPort};
    std::istringstream lines(answer);
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string name = Trimmed(line.substr(0, equals));
        const std::string value = Trimmed(line.substr(equals + 1));
        if (name == "server") address.server = value;
        if (name == "port") {
            const std::optional<int64_t> port = DecimalNumber(value);
            const bool usable = port && *port > 0 && *port <= 65535;
            address.port = usable ? static_cast<int>(*port) : kDefaultGameServerPort;
        }
    }
    return address;
}

std::string LatestVersionFromAnswer(const std::string& answer) {
    const std::string firstLine = Trimmed(answer.substr(0, answer.find('\n')));
    if (firstLine.empty() || firstLine[0] == '<') return kUnknownVersion;
    return firstLine;
}

bool IsLaterVersion(const std::string& current, const std::string& latest) {
    if (latest == kUnknownVersion || latest == current) return false;
    bool currentNumeric = false;
    bool latestNumeric = false;
    std::vector<int64_t> have = VersionNumbers(current, currentNumeric);
    std::vector<int64_t> offered = VersionNumbers(latest, latestNumeric);
    if (!currentNumeric || !latestNumeric) return true;
    // "5" and "5.0" name the same version.
    const size_t length = std::max(have.size(), offered.size());
    have.resize(length);
    offered.resize(length);
    return offered > have;
}

bool ShouldReportMatch(const MatchReport& report) {
    return DecimalNumber(report.ownScore).value_or(0) <=
           DecimalNumber(report.opponentScore).value_or(0);
}

std::string MatchReportPath(const MatchReport& report) {
    return "/lobby/matchlog.php?nickname1=" + PercentEncoded(report.ownName) +
           "&score1=" + PercentEncoded(report.ownScore) +
           "&nickname2=" + PercentEncoded(report.opponentName) +
           "&score2=" + PercentEncoded(report.opponentScore) +
           "&gametype=" + std::to_string(report.gameType);
}

std::string MatchMailAddress(const std::string& address, const MatchReport& report,
                             const std::string& opponentScoreLabel, const std::string& timestamp) {
    constexpr const char* kLineBreak = "%0D%0A";
    return "mailto:" + address +
           "?Subject=Canasta Match Result&Body=" + PercentEncoded(report.ownName) +
           "'s Score:" + PercentEncoded(report.ownScore) + kLineBreak +
           PercentEncoded(opponentScoreLabel) + " " + PercentEncoded(report.opponentScore) +
           kLineBreak + "Timestamp: " + PercentEncoded(timestamp) + kLineBreak;
}

ProxySettings ReadProxySettings(SettingsStore& settings) {
    const std::optional<int64_t> port = DecimalNumber(ReadTextSetting(settings, kProxyPortKey));
    return {Trimmed(ReadTextSetting(settings, kProxyServerKey)),
            port && *port > 0 && *port <= 65535 ? static_cast<int>(*port) : 80,
            ReadTextSetting(settings, kProxyUserKey), ReadTextSetting(settings, kProxyPassKey)};
}

}  // namespace tavolex
