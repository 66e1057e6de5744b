// The program's folder: where the autosave file, sounds and music live.
#pragma once

#include <string>

namespace tavolex {

// TAVOLEX_PROGRAM_DIR when set; else the executable's folder when it is writable (a portable
// install); else the per-user data folder, created when missing. Ends with a separator.
std::string ProgramFolder();

}  // namespace tavolex
