// The one-time upgrade of the settings of older versions, before any other value is read.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace tavolex {

class SettingsStore;

struct MigrationFolders {
    std::filesystem::path program;  // saved games and the copy of the old settings file
    std::optional<std::filesystem::path> windows;  // where the old settings file lives
    std::filesystem::path current;                 // where the oldest versions left their libraries
};

struct MigrationReport {
    int64_t fromVersion = 0;  // the version found, 0 for a fresh machine
    bool imported = false;
    std::vector<std::filesystem::path> deleted;
};

// The Windows folder: the system's own on Windows, elsewhere the folder named by the
// environment variable TAVOLEX_WINDOWS_DIR (none when it is unset or empty).
std::optional<std::filesystem::path> WindowsFolder();

// The folders of this run: the program folder given, the Windows folder, the current folder.
MigrationFolders MigrationFoldersFor(const std::filesystem::path& programFolder);

// Does nothing once "Settings\Version" is current. A file that cannot be deleted or copied is
// left as it is.
MigrationReport MigrateSettings(SettingsStore& store, const MigrationFolders& folders);

}  // namespace tavolex
