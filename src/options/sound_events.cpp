#include "options/sound_events.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tavolex {
namespace {

namespace fs = std::filesystem;

struct EventEntry {
    std::string name;
    const char* builtIn;  // nullptr: silent
};

const std::array<EventEntry, kSoundEventCount>& EventEntries() {
    static const std::array<EventEntry, kSoundEventCount> entries = {{
        {"Deal", "shufl.wav"},
        {"Exit", "done.wav"},
        {"Help (1st)", "help.wav"},
        {"Help (2nd)", "manuel.wav"},
        {"Help (3rd)", "nowwhat.wav"},
        {"Highscore", "exelnt.wav"},
        {"Lose Hand", nullptr},
        {"Lose Match", nullptr},
        {"Mixed Canasta", "mixed.wav"},
        {"Natural Canasta", "natural.wav"},
        {"Start", "welcome.wav"},
        {"Take Huge Pile", "yeah.wav"},
        {"Win Match", "wonderfl.wav"},
        {"Win Hand", "applause.wav"},
        {"End Turn (network games)", "yourturn.wav"},
    }};
    return entries;
}

bool ValidEvent(int event) {
    return event >= 0 && event < kSoundEventCount;
}

std::string EventValuePath(int event, int n) {
    return "Sound\\" + SoundEventName(event) + std::to_string(n);
}

}  // namespace

const std::string& SoundEventName(int event) {
    static const std::string unknown;
    return ValidEvent(event) ? EventEntries()[event].name : unknown;
}

std::vector<std::string> BuiltInSounds(int event) {
    if (!ValidEvent(event) || EventEntries()[event].builtIn == nullptr) return {};
    return {EventEntries()[event].builtIn};
}

SoundEventTable BuiltInSoundEvents() {
    SoundEventTable table;
    for (int event = 0; event < kSoundEventCount; ++event) table[event] = BuiltInSounds(event);
    return table;
}

SoundEventTable LoadSoundEvents(SettingsStore& store) {
    SoundEventTable table;
    for (int event = 0; event < kSoundEventCount; ++event) {
        if (!store.ValueExists(EventValuePath(event, 1))) {
            table[event] = BuiltInSounds(event);
            continue;
        }
        for (int n = 1; n <= kMaxEventSounds; ++n) {
            const std::string file = ReadText(store, EventValuePath(event, n), "");
            if (file.empty() || (n == 1 && file == kNoSound)) break;
            table[event].push_back(file);
        }
    }
    return table;
}

void SaveSoundEvents(SettingsStore& store, const SoundEventTable& events) {
    store.DeleteKey("Sound");
    for (int event = 0; event < kSoundEventCount; ++event) {
        const std::vector<std::string>& files = events[event];
        if (files.empty()) store.WriteValue(EventValuePath(event, 1), std::string(kNoSound));
        const int count = std::min<int>(static_cast<int>(files.size()), kMaxEventSounds);
        for (int n = 1; n <= count; ++n) store.WriteValue(EventValuePath(event, n), files[n - 1]);
    }
}

SoundSettings LoadSoundSettings(SettingsStore& store, const std::string& defaultMusicDir) {
    SoundSettings settings;
    settings.SoundOn = ReadBool(store, "Settings\\Sound", true);
    settings.Events = LoadSoundEvents(store);
    MusicSettings& music = settings.Music;
    music.MusicOn = ReadBool(store, "Settings\\Music", false);
    // Only 0 chooses the single file: any other stored number reads as the jukebox.
    music.MusicType = ReadInt(store, "Settings\\Music Type", 1) == 0 ? 0 : 1;
    music.MusicFile = ReadText(store, "Music\\File", kDefaultMusicFile);
    music.JukeboxDir = ReadText(store, "Music\\Dir", defaultMusicDir);
    return settings;
}

void SaveSoundSettings(SettingsStore& store, const SoundSettings& settings) {
    WriteBool(store, "Settings\\Sound", settings.SoundOn);
    WriteBool(store, "Settings\\Music", settings.Music.MusicOn);
    store.WriteValue("Settings\\Music Type", int64_t{settings.Music.MusicType});
    store.WriteValue("Music\\File", settings.Music.MusicFile);
    store.WriteValue("Music\\Dir", settings.Music.JukeboxDir);
    SaveSoundEvents(store, settings.Events);
}

std::string FindProgramFile(const std::string& name, const std::vector<std::string>& folders) {
    const fs::path path(name);
    if (path.has_parent_path() || path.is_absolute() || folders.empty()) return name;
    std::error_code ignored;
    for (const std::string& folder : folders) {
        const fs::path candidate = fs::path(folder) / path;
        if (fs::is_regular_file(candidate, ignored)) return candidate.string();
    }
    return (fs::path(folders.front()) / path).string();
}

std::string ChooseEventSound(const SoundSettings& settings, int event, Random& random,
                             const std::vector<std::string>& folders) {
    if (!settings.SoundOn || !ValidEvent(event)) return {};
    const std::vector<std::string>& files = settings.Events[event];
    if (files.empty()) return {};
    const int pick = random.Below(static_cast<int32_t>(files.size()));
    return FindProgramFile(files[pick], folders);
}

}  // namespace tavolex
