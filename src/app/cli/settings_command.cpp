#include "app/cli/settings_command.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <ostream>

#include "app/cli/commands.h"
#include "game/settings_store.h"
#include "storage/settings_keys.h"
#include "storage/settings_migration.h"

namespace tavolex::cli {

namespace {

constexpr const char* kSettingsUsage =
    "settings takes get PATH, set PATH VALUE, list [SUBKEY] or migrate";

std::string ValueText(const SettingValue& value) {
    if (const int64_t* number = std::get_if<int64_t>(&value)) return std::to_string(*number);
    return std::get<std::string>(value);
}

// Digits with an optional leading minus are a number; anything else, or a number too large
// to store, is a text.
SettingValue ValueFromArgument(const std::string& text) {
    int64_t number = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, number);
    if (!text.empty() && text[0] != '+' && ec == std::errc() && ptr == end) return number;
    return text;
}

bool SamePath(const std::string& a, const std::string& b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The default the game reads for a value that is not stored, when the key table knows it (the
// window placement's depends on the screen, the lobby's colour on the desktop's).
std::optional<std::string> KnownDefault(const std::string& path) {
    if (SamePath(path, kResolutionKey.path) || SamePath(path, kNetworkBackgroundColorKey.path)) {
        return std::nullopt;
    }
    for (const SettingKey& key : AllSettingKeys()) {
        if (!SamePath(path, key.path)) continue;
        if (key.type != SettingType::Text) return std::to_string(key.number);
        return key.text.empty() ? "\"\"" : key.text;
    }
    return std::nullopt;
}

int Get(SettingsStore& store, const std::string& path, std::ostream& out, std::ostream& err) {
    if (store.ValueExists(path)) {
        out << ValueText(store.ReadValue(path, "")) << '\n';
        return kExitOk;
    }
    if (const std::optional<std::string> value = KnownDefault(path)) {
        out << *value << " (default)\n";
        return kExitOk;
    }
    err << "tavolex-cli: no value \"" << path << "\"\n";
    return kExitFailed;
}

int List(SettingsStore& store, const std::string& subkey, std::ostream& out) {
    const std::string prefix = subkey.empty() ? "" : subkey + "\\";
    for (const std::string& name : store.GetKeyNames(subkey)) out << prefix << name << "\\\n";
    for (const std::string& name : store.GetValueNames(subkey)) {
        out << prefix << name << " = " << ValueText(store.ReadValue(prefix + name, "")) << '\n';
    }
    return kExitOk;
}

int Migrate(SettingsStore& store, const std::filesystem::path& programFolder, std::ostream& out) {
    const MigrationReport report = MigrateSettings(store, MigrationFoldersFor(programFolder));
    out << "settings version " << report.fromVersion << " is now "
        << ReadInt(store, "Settings\\Version", 0) << '\n';
    if (report.imported) out << "imported the old settings file\n";
    for (const std::filesystem::path& file : report.deleted)
        out << "deleted " << file.string() << '\n';
    return kExitOk;
}

}  // namespace

int RunSettings(const std::vector<std::string>& arguments, SettingsStore& store,
                const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err) {
    const std::string verb = arguments.empty() ? "" : arguments[0];
    const size_t count = arguments.size();
    if (verb == "get" && count == 2 && !arguments[1].empty()) {
        return Get(store, arguments[1], out, err);
    }
    if (verb == "set" && count == 3 && !arguments[1].empty()) {
        store.WriteValue(arguments[1], ValueFromArgument(arguments[2]));
        return kExitOk;
    }
    if (verb == "list" && count <= 2) return List(store, count == 2 ? arguments[1] : "", out);
    if (verb == "migrate" && count == 1) return Migrate(store, programFolder, out);
    return ReportBadInput(err, kSettingsUsage);
}

#ifndef TAVOLEX_CLI_SHELL
int RunSettingsOnGameStore(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    return ReportBadInput(err,
                          "settings needs the game's settings store: this tool was built "
                          "without the Qt shell");
}
#endif

}  // namespace tavolex::cli
