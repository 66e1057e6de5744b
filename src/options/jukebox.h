// What the music player plays next: one file over and over, or every MIDI file of a folder in
// a shuffled order that is shuffled anew each time it has played through.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/random.h"
#include "options/sound_events.h"

namespace tavolex {

class Jukebox {
  public:
    // The next tune of the folder, or empty when the folder holds none. A file that is gone
    // or is no MIDI file is skipped; a list that has run out is built and shuffled again.
    std::string NextTune(const std::string& folder, Random& random);
    // The folder is read again before the next tune.
    void Reset() { PlaylistIndex = -1; }

    std::vector<std::string> Playlist;
    int32_t PlaylistIndex = -1;  // -1: build the list again

  private:
    void Rebuild(const std::string& folder, Random& random);
};

// The music player's end-of-play step, also used to start or restart the music: the file to
// play now, or empty when the player is to be closed.
std::string ChooseMusic(const MusicSettings& music, Jukebox& jukebox, Random& random,
                        const std::vector<std::string>& folders);

// Whether the file is a Standard MIDI File whose chunks all lie within it; a damaged or
// foreign file is left silent rather than handed to the synthesizer.
bool IsMidiFile(const std::string& fileName);

}  // namespace tavolex
