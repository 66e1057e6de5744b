#include "network/messenger_registration.h"

#include <utility>

#include "game/settings_store.h"

namespace tavolex {

namespace {

void WriteLaunchValues(SettingsStore& store, const std::string& subkey,
                       const std::string& programPath, const std::string& siteAddress) {
    const std::pair<const char*, std::string> values[] = {
        {"Command Line", "/ip:%i"},   {"Path", programPath},
        {"Client Path", programPath}, {"Client Command Line", "/ip:%i /join"},
        {"Server Path", programPath}, {"Server Command Line", "/ip:%i /invite"},
        {"URL", siteAddress},         {"Type", "ClientServer"},
        {"Group", "Games"},
    };
    for (const auto& [name, value] : values) store.WriteValue(subkey + "\\" + name, value);
}

}  // namespace

void RegisterWithMessenger(SettingsStore& messengerStore, const std::string& programPath,
                           const std::string& siteAddress) {
    if (!messengerStore.KeyExists("")) return;
    WriteLaunchValues(messengerStore, "DefaultPrefs\\GlobalExt\\Tavolex", programPath, siteAddress);
    for (const std::string& owner : messengerStore.GetKeyNames("Owners")) {
        WriteLaunchValues(messengerStore, "Owners\\" + owner + "\\Prefs\\Externals\\Tavolex",
                          programPath, siteAddress);
    }
}

}  // namespace tavolex
