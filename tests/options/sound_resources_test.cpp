// The sound and music files the program ships: every built-in file is there, is a short 16-bit
// PCM wave (what the effect player plays), and the default tune is a MIDI file.
#include <gtest/gtest.h>

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

TEST(SoundResources, DefaultTuneIsAMidiFile) {
    EXPECT_TRUE(IsMidiFile((kResources / "music" / kDefaultMusicFile).string()));
}

}  // namespace
}  // namespace tavolex
