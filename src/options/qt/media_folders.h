// The folders a bare sound or music file name is looked up in.
#pragma once

#include <string>
#include <vector>

namespace tavolex {

// The program folder first (a portable install or the user's own files), then the
// executable's folder (the built tree), then the data folder of an installed program
// ("share/tavolex" beside its "bin").
std::vector<std::string> MediaFolders(const std::string& programFolder);

// "Music\Dir" when it was never written: the first of those folders that holds the default
// tune, so the jukebox finds it in every layout.
std::string DefaultMusicFolder(const std::vector<std::string>& folders);

}  // namespace tavolex
