// The fifteen sound events, their files and the sound and music settings.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/random.h"
#include "game/settings_store.h"
#include "game/sounds.h"

namespace tavolex {

inline constexpr int kSoundEventCount = 15;
inline constexpr int kMaxEventSounds = 3;
inline constexpr const char* kNoSound = "<none>";
inline constexpr const char* kAboutSound = "about.wav";
inline constexpr const char* kDefaultMusicFile = "ARCADIA.MID";

// Also the event's name in the store.
const std::string& SoundEventName(int event);
// The files an event plays until the user changes them (empty for silence).
std::vector<std::string> BuiltInSounds(int event);

using SoundEventTable = std::array<std::vector<std::string>, kSoundEventCount>;
SoundEventTable BuiltInSoundEvents();

struct MusicSettings {
    bool MusicOn = false;
    int MusicType = 1;  // 0 one file over and over, 1 the shuffled jukebox folder
    std::string MusicFile = kDefaultMusicFile;
    std::string JukeboxDir;
};

struct SoundSettings {
    bool SoundOn = true;
    SoundEventTable Events = BuiltInSoundEvents();
    MusicSettings Music;
};

// An event whose first value is missing plays its built-in list; "<none>" plays nothing;
// otherwise up to three values are read until one is empty.
SoundEventTable LoadSoundEvents(SettingsStore& store);
// Rewrites the whole "Sound" subkey; an event without files is stored as "<none>".
void SaveSoundEvents(SettingsStore& store, const SoundEventTable& events);

// defaultMusicDir stands for "Music\Dir" when it was never written.
SoundSettings LoadSoundSettings(SettingsStore& store, const std::string& defaultMusicDir);
// What the sound dialog's OK writes.
void SaveSoundSettings(SettingsStore& store, const SoundSettings& settings);

// A name with a folder is taken as it is; a bare name is looked up in the program's folders in
// order (the writable program folder first, then where the program's own files were
// installed), and names the first folder's file when no folder has it.
std::string FindProgramFile(const std::string& name, const std::vector<std::string>& folders);

// The file an event plays now, chosen uniformly among its files; empty when sound is off or
// the event is silent.
std::string ChooseEventSound(const SoundSettings& settings, int event, Random& random,
                             const std::vector<std::string>& folders);

}  // namespace tavolex
