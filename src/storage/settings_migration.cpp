#include "storage/settings_migration.h"

#include <charconv>
#include <cstdlib>
#include <string>
#include <system_error>

#include "game/settings_store.h"
#include "storage/ini_file.h"
#include "storage/settings_keys.h"

namespace tavolex {

namespace fs = std::filesystem;

namespace {

constexpr const char* kIniName = "tavolex.ini";
constexpr const char* kIniSection = "Tavolex Settings";

struct IniFlag {
    const char* iniKey;
    const char* defaultWord;
    const char* trueWord;
    const char* path;
};

constexpr IniFlag kIniFlags[] = {
    {"Music", "On", "On", "Settings\\Music"},
    {"Sound", "Yes", "Yes", "Settings\\Sound"},
    {"AutoSave", "Yes", "Yes", "Settings\\AutoSave"},
    {"Canasta Required", "Yes", "Yes", "Settings\\Canasta Required"},
    {"Draw Extra", "Yes", "Yes", "Settings\\Draw Extra"},
    {"Three Block", "Yes", "Yes", "Settings\\Three Block"},
    {"Add to Canasta", "Yes", "Yes", "Settings\\Add to Canasta"},
    {"Top card counts", "Yes", "Yes", "Settings\\Top Card Counts"},
    {"Initial block", "Yes", "Yes", "Settings\\Initial Block"},
    {"Natural pair", "Yes", "Yes", "Settings\\Natural Pair"},
};

// "One" gives 1, any other word 2.
constexpr const char* kIniCounts[][2] = {
    {"Number of Canastas", "Settings\\Number of Canastas"},
    {"Number of Cards", "Settings\\Number of Cards"},
};

int64_t ParseVersion(const std::string& text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end ? value : 0;
}

void Import(SettingsStore& store, const IniFile& ini) {
    store.WriteValue(kBackgroundColorKey.path, int64_t{128});
    for (const IniFlag& flag : kIniFlags) {
        WriteBool(store, flag.path,
                  ini.ReadString(kIniSection, flag.iniKey, flag.defaultWord) == flag.trueWord);
    }
    for (const auto& [iniKey, path] : kIniCounts) {
        store.WriteValue(path,
                         int64_t{ini.ReadString(kIniSection, iniKey, "One") == "One" ? 1 : 2});
    }
}

// The files of a folder whose name satisfies test, compared without regard to case as the
// original platform's file names are.
template <typename Test>
void DeleteMatching(const fs::path& folder, Test test, MigrationReport& report) {
    std::error_code error;
    std::vector<fs::path> doomed;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error) && test(FoldName(it->path().filename().string()))) {
            doomed.push_back(it->path());
        }
    }
    for (const fs::path& file : doomed) {
        if (fs::remove(file, error)) report.deleted.push_back(file);
    }
}

void DeleteSavedGames(const fs::path& programFolder, MigrationReport& report) {
    DeleteMatching(
        programFolder, [](const std::string& name) { return name.ends_with(".tvx"); }, report);
}

void DeleteOldFiles(const fs::path& currentFolder, MigrationReport& report) {
    DeleteMatching(
        currentFolder,
        [](const std::string& name) {
            return name == "tvx640.dll" || name == "tvx800.dll" || name == "tvx1024.dll" ||
                   name == "tavolex.ini";
        },
        report);
}

// Through a temporary file, so a crash leaves no half-copied file behind.
void CopyAtomically(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::path temporary = to;
    temporary += ".tmp";
    if (!fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error)) return;
    fs::rename(temporary, to, error);
    if (error) fs::remove(temporary, error);
}

}  // namespace

std::optional<fs::path> WindowsFolder() {
#ifdef _WIN32
    const char* folder = std::getenv("WINDIR");
#else
    const char* folder = std::getenv("TAVOLEX_WINDOWS_DIR");
#endif
    if (folder == nullptr || *folder == '\0') return std::nullopt;
    return fs::path(folder);
}

MigrationFolders MigrationFoldersFor(const fs::path& programFolder) {
    std::error_code error;
    return {programFolder, WindowsFolder(), fs::current_path(error)};
}

MigrationReport MigrateSettings(SettingsStore& store, const MigrationFolders& folders) {
    MigrationReport report;
    int64_t version = ReadInt(store, kVersionKey.path, 0);
    report.fromVersion = version;
    if (version == kSettingsVersion) return report;

    const std::optional<fs::path> iniPath =
        folders.windows ? std::optional(*folders.windows / kIniName) : std::nullopt;
    const std::optional<IniFile> ini = iniPath ? IniFile::Load(*iniPath) : std::nullopt;
    if (version == 0 && ini) {
        version = ParseVersion(ini->ReadString(kIniSection, "Version", "0"));
        report.fromVersion = version;
    }
    if (version > 0) {
        // Without an old settings file there is nothing to import: its defaults must not
        // overwrite what the store holds.
        bool import = ini && version <= 300;
        if (version < 300 && ini) CopyAtomically(*iniPath, folders.program / kIniName);
        if (version < 400) {
            DeleteOldFiles(folders.current, report);
            DeleteSavedGames(folders.program, report);
            import = ini.has_value();
        }
        if (version < 41499) DeleteSavedGames(folders.program, report);
        if (import) Import(store, *ini);
        report.imported = import;
    }
    store.WriteValue(kVersionKey.path, kSettingsVersion);
    return report;
}

}  // namespace tavolex
