// The settings store on QSettings in its native format: the current user's registry on Windows,
// a configuration file under the user's configuration folder elsewhere.
#pragma once

#include <QStringList>
#include <string>

#include "game/settings_store.h"

class QSettings;

namespace tavolex {

// Every read and write opens the store afresh, so a value changed outside the program (by hand,
// by the command-line tool) is seen at the next read. Names compare without regard to case on
// every platform; a name keeps the case it was first written with.
class QtSettingsStore : public SettingsStore {
  public:
    // The program's own root, "Software\Brenvoss\Tavolex"; it is created by the first write.
    QtSettingsStore();
    // Another program's root, e.g. "HKEY_LOCAL_MACHINE\Software\Mirabilis\ICQ". Nothing is
    // written there while the root does not exist: that program is not installed.
    explicit QtSettingsStore(const std::string& rootKey);

    SettingValue ReadValue(const std::string& path, const SettingValue& defaultValue) override;
    void WriteValue(const std::string& path, const SettingValue& value) override;
    void DeleteKey(const std::string& subkey) override;
    bool KeyExists(const std::string& subkey) override;
    bool ValueExists(const std::string& path) override;
    std::vector<std::string> GetKeyNames(const std::string& subkey) override;
    std::vector<std::string> GetValueNames(const std::string& subkey) override;

  private:
    // The subkeys or the value names directly under subkey.
    std::vector<std::string> ChildNames(const std::string& subkey,
                                        QStringList (QSettings::*children)() const);

    std::string rootKey_;
    bool createsRoot_;
};

}  // namespace tavolex
