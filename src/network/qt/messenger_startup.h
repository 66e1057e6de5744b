// The start-up's registration with the messenger, through the settings store opened on the
// messenger's own root.
#pragma once

namespace tavolex {

class SettingsStore;

// programSettings gives the site address the messenger shows for the game.
void RegisterWithInstalledMessenger(SettingsStore& programSettings);

}  // namespace tavolex
