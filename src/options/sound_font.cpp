#include "options/sound_font.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tavolex {

namespace fs = std::filesystem;

std::vector<std::string> StandardSoundFontFolders(const std::string& homeFolder) {
    std::vector<std::string> folders = {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3",
                                        "/usr/share/soundfonts", "/usr/local/share/soundfonts"};
    if (!homeFolder.empty()) folders.push_back(homeFolder + "/.local/share/soundfonts");
    return folders;
}

std::string FindSoundFont(const std::vector<std::string>& folders) {
    std::error_code error;
    for (const std::string& folder : folders) {
        for (const char* name : {"default-GM.sf2", "default-GM.sf3"}) {
            const fs::path preferred = fs::path(folder) / name;
            if (fs::is_regular_file(preferred, error)) return preferred.string();
        }
        std::vector<std::string> fonts;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            const std::string extension = it->path().extension().string();
            if ((extension == ".sf2" || extension == ".sf3") &&
                fs::is_regular_file(it->path(), error)) {
                fonts.push_back(it->path().string());
            }
        }
        error.clear();
        if (!fonts.empty()) return *std::min_element(fonts.begin(), fonts.end());
    }
    return {};
}

}  // namespace tavolex
