// A settings store held in memory, for tests and the command-line tool.
#pragma once

#include <map>

#include "game/settings_store.h"

namespace tavolex {

class MemorySettings : public SettingsStore {
public:
    SettingValue ReadValue(const std::string& path, const SettingValue& defaultValue) override;
    void WriteValue(const std::string& path, const SettingValue& value) override;
    void DeleteKey(const std::string& subkey) override;
    bool KeyExists(const std::string& subkey) override;
    bool ValueExists(const std::string& path) override;
    std::vector<std::string> GetKeyNames(const std::string& subkey) override;
    std::vector<std::string> GetValueNames(const std::string& subkey) override;

private:
    // Keys are folded to lower case: names compare without regard to case.
    std::map<std::string, SettingValue> values_;
};

}  // namespace tavolex
