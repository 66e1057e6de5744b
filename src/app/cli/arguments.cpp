#include "app/cli/arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <set>

#include "app/cli/level_names.h"
#include "game/rule_options.h"

namespace tavolex::cli {

namespace {

struct CommandRule {
    Command command;
    const char* name;
    std::vector<std::string> allowed;
    std::vector<std::string> required;
    size_t minPositional;  // the file of show and play; play's actions follow it
    size_t maxPositional;
};

const std::vector<CommandRule>& CommandRules() {
    static const std::vector<CommandRule> rules = {
        {Command::Deal, "deal", {"--seed", "--set", "--out"}, {"--seed", "--out"}, 0, 0},
        {Command::Show, "show", {}, {}, 1, 1},
        {Command::Play, "play", {"--level", "--seed", "--set", "--out"}, {}, 1, SIZE_MAX},
        {Command::Match,
         "match",
         {"--player", "--opponent", "--matches", "--seed", "--set", "--standard-rules", "--json",
          "--parts"},
         {"--player", "--opponent", "--matches", "--seed"},
         0,
         0},
        {Command::Monkey,
         "monkey",
         {"--opponent", "--hands", "--seed", "--set", "--standard-rules", "--progress"},
         {"--opponent", "--hands", "--seed"},
         0,
         0},
        {Command::Netplay,
         "netplay",
         {"--server", "--nick", "--invite", "--accept", "--matches", "--seed", "--policy",
          "--digest", "--match-hands", "--set", "--standard-rules"},
         {"--server", "--nick", "--matches", "--seed"},
         0,
         0},
        {Command::Help, "help", {}, {}, 0, 0},
    };
    return rules;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

template <class Number>
std::optional<Number> ParseNumber(const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// Settings that only make sense as whole numbers: a typing error there would silently give the
// default instead.
bool IsNumericSetting(const std::string& name) {
    const std::string lower = Lower(name);
    if (lower == Lower(kCanastaRequiredWriteName) || lower == "settings\\aggression") return true;
    return std::any_of(std::begin(kRuleValueNames), std::end(kRuleValueNames),
                       [&](const char* rule) { return lower == Lower(rule); });
}

std::string ParseSetting(Options& options, const std::string& text) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0) {
        return "--set needs NAME=VALUE, not \"" + text + "\"";
    }
    SettingOverride setting{text.substr(0, equals), text.substr(equals + 1)};
    if (IsNumericSetting(setting.name) && !ParseNumber<int64_t>(setting.value)) {
        return "the setting \"" + setting.name + "\" takes a whole number, not \"" + setting.value +
               "\"";
    }
    options.settings.push_back(setting);
    return {};
}

std::string ParseLevelOption(uint8_t& level, const std::string& option, const std::string& value) {
    const std::optional<uint8_t> parsed = ParseLevel(value);
    if (!parsed) return option + " takes beginner, advanced or expert, not \"" + value + "\"";
    level = *parsed;
    return {};
}

std::string ParseCount(int& count, const std::string& option, const std::string& value) {
    const std::optional<int> parsed = ParseNumber<int>(value);
    if (!parsed || *parsed < 1)
        return option + " takes a whole number from 1, not \"" + value + "\"";
    count = *parsed;
    return {};
}

// The options that take any text.
std::string* TextOf(Options& options, const std::string& option) {
    if (option == "--nick") return &options.nickname;
    if (option == "--invite") return &options.invite;
    if (option == "--digest") return &options.digest;
    return nullptr;
}

// Returns the error, empty when the option was taken.
std::string ApplyOption(Options& options, const std::string& option, const std::string& value) {
    if (option == "--seed") {
        const std::optional<uint32_t> seed = ParseNumber<uint32_t>(value);
        if (!seed) return "--seed takes a whole number from 0 to 4294967295, not \"" + value + "\"";
        options.seed = *seed;
        return {};
    }
    if (option == "--set") return ParseSetting(options, value);
    if (option == "--out") {
        options.out = value;
        return {};
    }
    if (option == "--level") {
        uint8_t level = 0;
        std::string error = ParseLevelOption(level, option, value);
        if (error.empty()) options.level = level;
        return error;
    }
    if (option == "--player") return ParseLevelOption(options.playerLevel, option, value);
    if (option == "--opponent") return ParseLevelOption(options.opponentLevel, option, value);
    if (option == "--matches") return ParseCount(options.matches, option, value);
    if (option == "--match-hands") return ParseCount(options.matchHands, option, value);
    if (option == "--server") {
        const std::optional<GameServerAddress> address = ParseServerAddress(value);
        if (!address) return "--server takes HOST:PORT, not \"" + value + "\"";
        options.server = *address;
        return {};
    }
    if (option == "--policy") {
        if (value == "monkey") return {};
        uint8_t level = 0;
        std::string error = ParseLevelOption(level, option, value);
        if (error.empty()) options.policyLevel = level;
        if (error.empty()) return error;
        return option + " takes monkey, beginner, advanced or expert, not \"" + value + "\"";
    }
    if (std::string* text = TextOf(options, option)) {
        if (value.empty()) return option + " needs a value";
        *text = value;
        return {};
    }
    return ParseCount(options.hands, option, value);
}

// The options that take no value.
bool* FlagOf(Options& options, const std::string& option) {
    if (option == "--json") return &options.json;
    if (option == "--parts") return &options.parts;
    if (option == "--progress") return &options.progress;
    if (option == "--standard-rules") return &options.standardRules;
    if (option == "--accept") return &options.accept;
    return nullptr;
}

ParsedArguments Failure(std::string error) {
    return {std::nullopt, std::move(error)};
}

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return Failure(
            "missing command: deal, show, play, match, monkey, settings, lobby, netplay, "
            "netplay-compare or help");
    const auto& rules = CommandRules();
    const auto rule = std::find_if(rules.begin(), rules.end(),
                                   [&](const CommandRule& r) { return arguments[0] == r.name; });
    if (rule == rules.end()) {
        return Failure(
            "unknown command \"" + arguments[0] +
            "\"; the commands are deal, show, play, match, monkey, settings, lobby, netplay, "
            "netplay-compare and help");
    }
    Options options;
    options.command = rule->command;
    std::vector<std::string> positional;
    std::set<std::string> given;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with("--")) {
            positional.push_back(argument);
            continue;
        }
        if (std::find(rule->allowed.begin(), rule->allowed.end(), argument) ==
            rule->allowed.end()) {
            return Failure(std::string(rule->name) + " has no option " + argument);
        }
        given.insert(argument);
        if (bool* flag = FlagOf(options, argument)) {
            *flag = true;
            continue;
        }
        if (i + 1 == arguments.size()) return Failure(argument + " needs a value");
        const std::string error = ApplyOption(options, argument, arguments[++i]);
        if (!error.empty()) return Failure(error);
    }
    for (const std::string& required : rule->required) {
        if (!given.count(required)) return Failure(std::string(rule->name) + " needs " + required);
    }
    if (positional.size() < rule->minPositional) {
        return Failure(std::string(rule->name) + " needs a saved game (a .tvx file)");
    }
    if (positional.size() > rule->maxPositional) {
        return Failure(std::string(rule->name) + " takes no argument \"" +
                       positional[rule->maxPositional] + "\"");
    }
    if (options.command == Command::Netplay && given.count("--invite") == given.count("--accept")) {
        return Failure("netplay needs either --invite NAME or --accept");
    }
    if (!positional.empty()) options.file = positional.front();
    for (size_t i = 1; i < positional.size(); ++i) {
        std::optional<PlayerAction> action = ParseAction(positional[i]);
        if (!action) return Failure("unknown action \"" + positional[i] + "\"");
        options.actions.push_back(std::move(*action));
    }
    return {std::move(options), {}};
}

std::optional<GameServerAddress> ParseServerAddress(const std::string& text) {
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return std::nullopt;
    const std::optional<int> port = ParseNumber<int>(text.substr(colon + 1));
    if (!port || *port < 1 || *port > 65535) return std::nullopt;
    return GameServerAddress{text.substr(0, colon), *port};
}

std::string SettingsArguments(const Options& options) {
    std::string text = options.standardRules ? " --standard-rules" : "";
    for (const SettingOverride& setting : options.settings)
        text += " --set \"" + setting.name + "=" + setting.value + "\"";
    return text;
}

}  // namespace tavolex::cli
