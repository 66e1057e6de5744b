// Where the General MIDI SoundFont that plays the music is found.
#pragma once

#include <string>
#include <vector>

namespace tavolex {

// The standard folders that SoundFont packages install into.
std::vector<std::string> StandardSoundFontFolders(const std::string& homeFolder);

// The first folder's "default-GM" font (the system's chosen one), else its first SoundFont by
// name, else the same in the next folder; empty when there is none, and the music is silent.
std::string FindSoundFont(const std::vector<std::string>& folders);

}  // namespace tavolex
