// The server's settings: defaults, then an INI file (--config FILE), then command-line flags.
// The file and the flags use the same names ("port = 4444" in the file, --port 4444 or
// --port=4444 on the command line).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavolex::server {

struct ServerConfig {
    std::string listen = "127.0.0.1";
    int port = 4444;       // 0 picks a free port
    int httpPort = 8080;   // 0 picks a free port, -1 turns the web service off
    std::string database;  // default: server.db in the per-user data folder
    std::string motd;      // default: motd.txt beside the database, when it exists
    std::string latestVersion = "5.0";
    std::string minimumVersion = "5.0";
    std::string download;        // default: http://<public host>:<HTTP port>/tvxsetup.exe
    std::string publicHost;      // default: the listen address, or 127.0.0.1 when it is a wildcard
    std::string setupFile;       // served as /tvxsetup.exe; none when empty
    int sessionsPerAddress = 8;  // 0 for no limit; loopback addresses are never limited
    int pingSeconds = 30;
    int dropSilentSeconds = 90;
    int replaceSilentSeconds = 15;
};

// Reads the file and flags over the defaults and fills in the derived defaults. Returns an
// error text for an unknown name, a bad number or an unreadable file.
std::optional<std::string> LoadConfig(const std::vector<std::string>& arguments,
                                      ServerConfig& config);
std::string ConfigUsage();
// The message of the day: the file's lines, or one line of welcome when there is no file.
std::vector<std::string> ReadMotd(const std::string& path);

}  // namespace tavolex::server
