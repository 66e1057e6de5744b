// The program's registration as an external game of an instant messenger, so that its users can
// start the game for each other. The messenger starts it with a command line beginning "/ip:".
#pragma once

#include <string>

namespace tavolex {

class SettingsStore;

// The messenger's own settings root on the local machine.
inline constexpr const char* kMessengerRootKey = "HKEY_LOCAL_MACHINE\\Software\\Mirabilis\\ICQ";

// Writes the nine launch values into the messenger's settings (a store opened on its root):
// once for every user of the messenger and once more as the default for new ones. Nothing is
// written where the root does not exist, i.e. where the messenger is not installed.
void RegisterWithMessenger(SettingsStore& messengerStore, const std::string& programPath,
                           const std::string& siteAddress);

}  // namespace tavolex
