#include "options/jukebox.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tavolex {
namespace {

namespace fs = std::filesystem;

bool HasMidiExtension(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".mid";
}

uint32_t BigEndian(const std::array<unsigned char, 8>& bytes, int from, int count) {
    uint32_t value = 0;
    for (int i = from; i < from + count; ++i) value = value << 8 | bytes[i];
    return value;
}

}  // namespace

void Jukebox::Rebuild(const std::string& folder, Random& random) {
    Playlist.clear();
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (HasMidiExtension(it->path())) Playlist.push_back(it->path().string());
    }
    // Directory order differs between file systems; sorting keeps a seeded run replayable.
    std::sort(Playlist.begin(), Playlist.end());
    PlaylistIndex = 0;
    const int32_t count = static_cast<int32_t>(Playlist.size());
    for (int32_t i = 0; i < count; ++i) {
        const int32_t first = random.Below(count);
        const int32_t second = random.Below(count);
        std::swap(Playlist[first], Playlist[second]);
    }
}

std::string Jukebox::NextTune(const std::string& folder, Random& random) {
    // One rebuild per call at most: a folder whose every entry fails would otherwise be
    // scanned for ever.
    bool rebuilt = false;
    for (;;) {
        if (PlaylistIndex < 0 || PlaylistIndex >= static_cast<int32_t>(Playlist.size())) {
            if (rebuilt) return {};
            Rebuild(folder, random);
            rebuilt = true;
        }
        if (Playlist.empty()) return {};
        while (PlaylistIndex >= 0) {
            const std::string& tune = Playlist[PlaylistIndex];
            ++PlaylistIndex;
            if (PlaylistIndex >= static_cast<int32_t>(Playlist.size())) PlaylistIndex = -1;
            if (IsMidiFile(tune)) return tune;
        }
    }
}

std::string ChooseMusic(const MusicSettings& music, Jukebox& jukebox, Random& random,
                        const std::vector<std::string>& folders) {
    if (!music.MusicOn) return {};
    if (music.MusicType == 0) {
        const std::string file = FindProgramFile(music.MusicFile, folders);
        return IsMidiFile(file) ? file : std::string();
    }
    return jukebox.NextTune(music.JukeboxDir, random);
}

bool IsMidiFile(const std::string& fileName) {
    std::error_code error;
    const uintmax_t size = fs::file_size(fileName, error);
    std::ifstream in(fileName, std::ios::binary);
    if (error || !in) return false;
    std::array<unsigned char, 8> chunk{};
    auto readChunkHead = [&](uintmax_t offset) {
        return offset + 8 <= size && in.seekg(static_cast<std::streamoff>(offset)) &&
               in.read(reinterpret_cast<char*>(chunk.data()), 8);
    };
    auto chunkIs = [&](const char* kind) { return std::equal(kind, kind + 4, chunk.begin()); };
    // The header chunk: "MThd", a length of at least 6, then format, track count, division.
    if (!readChunkHead(0) || !chunkIs("MThd")) return false;
    const uintmax_t headerLength = BigEndian(chunk, 4, 4);
    if (headerLength < 6 || 8 + headerLength > size) return false;
    if (!in.read(reinterpret_cast<char*>(chunk.data()), 4)) return false;
    const uint32_t format = BigEndian(chunk, 0, 2);
    const uint32_t tracks = BigEndian(chunk, 2, 2);
    if (format > 2 || tracks == 0) return false;
    // Every announced track must lie complete within the file; chunks of other kinds are
    // skipped.
    uintmax_t offset = 8 + headerLength;
    for (uint32_t found = 0; found < tracks;) {
        if (!readChunkHead(offset)) return false;
        const uintmax_t length = BigEndian(chunk, 4, 4);
        if (offset + 8 + length > size) return false;
        if (chunkIs("MTrk")) ++found;
        offset += 8 + length;
    }
    return true;
}

}  // namespace tavolex
