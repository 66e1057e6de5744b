#include "game/memory_settings.h"

#include <algorithm>
#include <set>

namespace tavolex {

namespace {
std::string SubkeyPrefix(const std::string& subkey) {
    return subkey.empty() ? std::string() : FoldName(subkey) + "\\";
}
}  // namespace

SettingValue MemorySettings::ReadValue(const std::string& path, const SettingValue& defaultValue) {
    auto found = values_.find(FoldName(path));
    return found == values_.end() ? defaultValue : found->second;
}

void MemorySettings::WriteValue(const std::string& path, const SettingValue& value) {
    values_[FoldName(path)] = value;
}

void MemorySettings::DeleteKey(const std::string& subkey) {
    const std::string prefix = SubkeyPrefix(subkey);
    std::erase_if(values_, [&](const auto& entry) { return entry.first.starts_with(prefix); });
}

bool MemorySettings::KeyExists(const std::string& subkey) {
    const std::string prefix = SubkeyPrefix(subkey);
    return std::any_of(values_.begin(), values_.end(),
                       [&](const auto& entry) { return entry.first.starts_with(prefix); });
}

bool MemorySettings::ValueExists(const std::string& path) {
    return values_.count(FoldName(path)) > 0;
}

std::vector<std::string> MemorySettings::GetKeyNames(const std::string& subkey) {
    const std::string prefix = SubkeyPrefix(subkey);
    std::set<std::string> names;
    for (const auto& [path, value] : values_) {
        if (!path.starts_with(prefix)) continue;
        const std::string rest = path.substr(prefix.size());
        const size_t slash = rest.find('\\');
        if (slash != std::string::npos) names.insert(rest.substr(0, slash));
    }
    return {names.begin(), names.end()};
}

std::vector<std::string> MemorySettings::GetValueNames(const std::string& subkey) {
    const std::string prefix = SubkeyPrefix(subkey);
    std::vector<std::string> names;
    for (const auto& [path, value] : values_) {
        if (path.starts_with(prefix) && path.find('\\', prefix.size()) == std::string::npos) {
            names.push_back(path.substr(prefix.size()));
        }
    }
    return names;
}

}  // namespace tavolex
