#include "game/settings_store.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tavolex {

std::string FoldName(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

int64_t ReadInt(SettingsStore& store, const std::string& path, int64_t defaultValue) {
    const SettingValue value = store.ReadValue(path, defaultValue);
    if (const int64_t* number = std::get_if<int64_t>(&value)) return *number;
    const std::string& text = std::get<std::string>(value);
    int64_t parsed = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
    if (ec != std::errc() || ptr != end || text.empty()) return defaultValue;
    return parsed;
}

bool ReadBool(SettingsStore& store, const std::string& path, bool defaultValue) {
    return ReadInt(store, path, defaultValue ? 1 : 0) != 0;
}

std::string ReadText(SettingsStore& store, const std::string& path,
                     const std::string& defaultValue) {
    const SettingValue value = store.ReadValue(path, defaultValue);
    if (const int64_t* number = std::get_if<int64_t>(&value)) return std::to_string(*number);
    return std::get<std::string>(value);
}

}  // namespace tavolex
