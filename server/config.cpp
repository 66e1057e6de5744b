#include "config.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

namespace tavolex::server {
namespace {

using Setter = std::function<bool(ServerConfig&, const std::string&)>;

Setter Text(std::string ServerConfig::*field) {
    return [field](ServerConfig& config, const std::string& value) {
        config.*field = value;
        return true;
    };
}

Setter Number(int ServerConfig::*field, int lowest, int highest) {
    return [=](ServerConfig& config, const std::string& value) {
        int number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (error != std::errc() || end != value.data() + value.size() || number < lowest ||
            number > highest) {
            return false;
        }
        config.*field = number;
        return true;
    };
}

const std::map<std::string, Setter>& Setters() {
    static const std::map<std::string, Setter> setters = {
        {"listen", Text(&ServerConfig::listen)},
        {"port", Number(&ServerConfig::port, 0, 65535)},
        {"http-port", Number(&ServerConfig::httpPort, -1, 65535)},
        {"database", Text(&ServerConfig::database)},
        {"motd", Text(&ServerConfig::motd)},
        {"latest-version", Text(&ServerConfig::latestVersion)},
        {"minimum-version", Text(&ServerConfig::minimumVersion)},
        {"download", Text(&ServerConfig::download)},
        {"public-host", Text(&ServerConfig::publicHost)},
        {"setup-file", Text(&ServerConfig::setupFile)},
        {"sessions-per-address", Number(&ServerConfig::sessionsPerAddress, 0, 1'000'000)},
        {"ping-seconds", Number(&ServerConfig::pingSeconds, 1, 3600)},
        {"drop-silent-seconds", Number(&ServerConfig::dropSilentSeconds, 1, 36000)},
        {"replace-silent-seconds", Number(&ServerConfig::replaceSilentSeconds, 0, 36000)},
    };
    return setters;
}

std::optional<std::string> Set(ServerConfig& config, const std::string& name,
                               const std::string& value) {
    const auto setter = Setters().find(name);
    if (setter == Setters().end()) return "unknown setting \"" + name + "\"";
    if (!setter->second(config, value)) return "bad value \"" + value + "\" for " + name;
    return std::nullopt;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<std::string> ReadFile(const std::string& path, ServerConfig& config) {
    std::ifstream file(path);
    if (!file) return "cannot read " + path;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#' || line[0] == ';' || line[0] == '[') continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            return path + ":" + std::to_string(number) + ": expected name = value";
        if (auto error =
                Set(config, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))))
            return path + ":" + std::to_string(number) + ": " + *error;
    }
    return std::nullopt;
}

std::filesystem::path DataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::filesystem::path(data) / "tavolex";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".local/share/tavolex";
}

}  // namespace

std::optional<std::string> LoadConfig(const std::vector<std::string>& arguments,
                                      ServerConfig& config) {
    std::vector<std::pair<std::string, std::string>> flags;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) return "unexpected argument \"" + argument + "\"";
        const auto equals = argument.find('=');
        if (equals != std::string::npos) {
            flags.emplace_back(argument.substr(2, equals - 2), argument.substr(equals + 1));
        } else if (i + 1 < arguments.size()) {
            flags.emplace_back(argument.substr(2), arguments[++i]);
        } else {
            return "missing value for " + argument;
        }
    }
    // The file first, so that flags override it wherever they stand.
    for (const auto& [name, value] : flags) {
        if (name != "config") continue;
        if (auto error = ReadFile(value, config)) return error;
    }
    for (const auto& [name, value] : flags) {
        if (name == "config") continue;
        if (auto error = Set(config, name, value)) return error;
    }

    if (config.database.empty()) {
        std::error_code error;
        std::filesystem::create_directories(DataFolder(), error);
        config.database = (DataFolder() / "server.db").string();
    }
    if (config.motd.empty()) {
        const auto beside = std::filesystem::path(config.database).parent_path() / "motd.txt";
        if (std::filesystem::exists(beside)) config.motd = beside.string();
    }
    if (config.publicHost.empty()) {
        const bool wildcard = config.listen == "0.0.0.0" || config.listen == "::";
        config.publicHost = wildcard ? "127.0.0.1" : config.listen;
    }
    return std::nullopt;
}

std::string ConfigUsage() {
    std::string usage =
        "Usage: tavolex-server [--config FILE] [--NAME VALUE]...\n"
        "Settings (also as NAME = VALUE lines in the file):\n";
    for (const auto& [name, setter] : Setters()) usage += "  " + name + "\n";
    return usage;
}

std::vector<std::string> ReadMotd(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    if (path.empty() || !file) return {"Welcome to the Tavolex lobby."};
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace tavolex::server
