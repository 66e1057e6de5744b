// What the program asks of the web server and how it reads the answers: the game server's
// address, the latest version, the match report. The HTTP client itself is the shell's.
#pragma once

#include <string>

namespace tavolex {

class SettingsStore;

inline constexpr const char* kGameServerDataPath = "/lobby/gameserver.txt";
inline constexpr const char* kVersionPath = "/version.txt";
inline constexpr const char* kSetupPath = "/tvxsetup.exe";
inline constexpr const char* kHomePagePath = "/";
inline constexpr const char* kUnknownVersion = "unknown";
inline constexpr const char* kNoGameServerData = "Sorry, cannot find gameserver data.";
inline constexpr int kDefaultGameServerPort = 4444;

// The web server's base address ("Network\WebServer") joined with a path of its own.
std::string WebAddress(const std::string& webServer, const std::string& path);
std::string ReadWebServer(SettingsStore& settings);

// Every space of a URL becomes "%20" before it is requested.
std::string SpacesEscaped(std::string url);

struct GameServerAddress {
    std::string server;  // empty when the answer named none
    int port = 0;
};

// "server=" and "port=" lines; the port is 4444 when missing or not a number. An empty answer
// gives no server and port 0.
GameServerAddress ParseGameServerAddress(const std::string& answer);

// The first line of "/version.txt"; "unknown" for an empty answer or an error page.
std::string LatestVersionFromAnswer(const std::string& answer);

// Whether latest names a later version than current: dotted numbers compare part by part; a
// version that is not made of numbers is later whenever it differs. "unknown" is never later.
bool IsLaterVersion(const std::string& current, const std::string& latest);

// One finished network match as the end-of-match dialog shows it.
struct MatchReport {
    std::string ownName;
    std::string ownScore;
    std::string opponentName;
    std::string opponentScore;
    int gameType = 0;  // the lobby type: 0 just for fun, 1 competition, 2 private room
};

// Only the losing side reports, so a match is logged once; after a draw both sides do. Scores
// that are not numbers count as 0.
bool ShouldReportMatch(const MatchReport& report);

// "/lobby/matchlog.php?nickname1=...": names and scores percent-encoded, so a name with "&" or
// "#" cannot break the query.
std::string MatchReportPath(const MatchReport& report);

// The mail report of a match: a "mailto:" address with the subject and a body of both scores
// and the time. The names, the label and the time are percent-encoded, so none can end the body.
std::string MatchMailAddress(const std::string& address, const MatchReport& report,
                             const std::string& opponentScoreLabel, const std::string& timestamp);

// "Network\ProxyServer" and its companions; an empty host means no proxy. The port is 80 when
// empty or not a number.
struct ProxySettings {
    std::string host;
    int port = 80;
    std::string user;
    std::string password;
    bool operator==(const ProxySettings&) const = default;
};
ProxySettings ReadProxySettings(SettingsStore& settings);

}  // namespace tavolex
