// The sound and music files the program ships: every built-in file is there, is a short 16-bit
// PCM wave (what the effect player plays), and the default tune is a MIDI file that ends when
// its last chord has rung.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "options/jukebox.h"
#include "options/sound_events.h"

namespace tavolex {
namespace {

namespace fs = std::filesystem;

const fs::path kResources = fs::path(TAVOLEX_TEST_DATA) / ".." / ".." / "resources";

uint32_t Little(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | uint8_t(bytes.at(at + i));
    return value;
}

struct WaveFormat {
    uint32_t format = 0, channels = 0, rate = 0, bits = 0, dataBytes = 0;
};

// Walks the RIFF chunks to the format and the sample data.
WaveFormat ReadWave(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    WaveFormat wave;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") || bytes.compare(8, 4, "WAVE"))
        return wave;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t length = Little(bytes, at + 4, 4);
        if (!bytes.compare(at, 4, "fmt ")) {
            wave.format = Little(bytes, at + 8, 2);
            wave.channels = Little(bytes, at + 10, 2);
            wave.rate = Little(bytes, at + 12, 4);
            wave.bits = Little(bytes, at + 22, 2);
        } else if (!bytes.compare(at, 4, "data")) {
            wave.dataBytes = length;
            EXPECT_LE(at + 8 + length, bytes.size()) << file;
        }
        at += 8 + length + (length & 1);
    }
    return wave;
}

TEST(SoundResources, EveryBuiltInSoundIsAShortSixteenBitPcmWave) {
    std::vector<std::string> files = {kAboutSound};
    for (const auto& event : BuiltInSoundEvents())
        files.insert(files.end(), event.begin(), event.end());
    ASSERT_EQ(files.size(), 14u);
    for (const std::string& name : files) {
        const WaveFormat wave = ReadWave(kResources / "sounds" / name);
        EXPECT_EQ(wave.format, 1u) << name;
        EXPECT_EQ(wave.bits, 16u) << name;
        EXPECT_EQ(wave.channels, 1u) << name;
        ASSERT_GT(wave.rate, 0u) << name;
        const double seconds = double(wave.dataBytes) / (wave.rate * 2);
        EXPECT_GT(seconds, 0.3) << name;
        EXPECT_LT(seconds, 2.0) << name;
    }
}

struct TrackEnd {
    uint32_t lastNoteTick = 0, endTick = 0;
    bool soundOffAtEnd = false;
};

uint32_t Big(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | uint8_t(bytes.at(at + i));
    return value;
}

// Where each track's notes stop, where the track ends, and whether it silences its channel
// there (controller 120).
std::vector<TrackEnd> ReadTrackEnds(const std::string& bytes) {
    std::vector<TrackEnd> tracks;
    for (size_t at = 8 + Big(bytes, 4, 4); at + 8 <= bytes.size();
         at += 8 + Big(bytes, at + 4, 4)) {
        TrackEnd track;
        const size_t end = at + 8 + Big(bytes, at + 4, 4);
        uint8_t status = 0;
        for (size_t i = at + 8; i < end;) {
            uint32_t delta = 0;
            do delta = delta << 7 | (bytes.at(i) & 0x7F);
            while (bytes.at(i++) & 0x80);
            track.endTick += delta;
            if (uint8_t(bytes.at(i)) == 0xFF) {
                i += 3 + uint8_t(bytes.at(i + 2));
                continue;
            }
            if (bytes.at(i) & 0x80) status = uint8_t(bytes.at(i++));
            const int kind = status >> 4;
            if (kind == 0x8 || kind == 0x9) track.lastNoteTick = track.endTick;
            if (kind == 0xB) track.soundOffAtEnd = uint8_t(bytes.at(i)) == 120;
            i += (kind == 0xC || kind == 0xD) ? 1 : 2;
        }
        if (track.lastNoteTick > 0) tracks.push_back(track);
    }
    return tracks;
}

TEST(SoundResources, DefaultTuneIsAMidiFileThatEndsWhenItsLastChordHasRung) {
    const fs::path tune = kResources / "music" / kDefaultMusicFile;
    ASSERT_TRUE(IsMidiFile(tune.string()));
    std::ifstream in(tune, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const uint32_t beat = Big(bytes, 12, 2);
    const std::vector<TrackEnd> tracks = ReadTrackEnds(bytes);
    ASSERT_EQ(tracks.size(), 4u);
    uint32_t lastNote = 0;
    for (const TrackEnd& track : tracks) lastNote = std::max(lastNote, track.lastNoteTick);
    for (const TrackEnd& track : tracks) {
        EXPECT_LE(track.endTick, lastNote + beat);
        EXPECT_TRUE(track.soundOffAtEnd);
    }
}

}  // namespace
}  // namespace tavolex
