// The settings store seam: values addressed by "Subkey\Value name" paths (more levels allowed).
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tavolex {

// A stored value: a number (DWORD-like) or a text.
using SettingValue = std::variant<int64_t, std::string>;

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored value, or defaultValue when the subkey or the value is missing.
    virtual SettingValue ReadValue(const std::string& path, const SettingValue& defaultValue) = 0;
    virtual void WriteValue(const std::string& path, const SettingValue& value) = 0;
    virtual void DeleteKey(const std::string& subkey) = 0;
    virtual bool KeyExists(const std::string& subkey) = 0;
    virtual bool ValueExists(const std::string& path) = 0;
    virtual std::vector<std::string> GetKeyNames(const std::string& subkey) = 0;
    // The names of the values directly in subkey ("" the root).
    virtual std::vector<std::string> GetValueNames(const std::string& subkey) = 0;
};

// Typed reads: a number read as text gives its decimal text; a text read as a number is
// parsed, and gives the default when it is not a whole number.
int64_t ReadInt(SettingsStore& store, const std::string& path, int64_t defaultValue);
bool ReadBool(SettingsStore& store, const std::string& path, bool defaultValue);
std::string ReadText(SettingsStore& store, const std::string& path,
                     const std::string& defaultValue);
// Names compare without regard to case: stores and readers of old files fold them with this.
std::string FoldName(std::string name);
inline void WriteBool(SettingsStore& store, const std::string& path, bool value) {
    store.WriteValue(path, int64_t{value ? 1 : 0});
}

}  // namespace tavolex
