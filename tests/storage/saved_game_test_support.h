// Helpers shared by the saved-game tests: test data, scratch folders and readable cards.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "game/game_state.h"
#include "storage/saved_game.h"
#include "support/position.h"

namespace tavolex {

namespace test {

// A hand in full swing: canastas on both sides, red threes, a frozen pile, a negative score.
inline const Position kMidHand = {
    .playerHand = "heart5 club5 joker spade2 diamondv club9",
    .playerMelds = "heart7 club7 spade7 diamond7 heart7 club7 joker | spadeh clubh hearth | heart3",
    .opponentHand = "spade4 club4 diamond8",
    .opponentMelds = "diamond3 | spadea cluba hearta diamonda spadea cluba heart2",
    .discardPile = "heart9 diamond2 club8",
    .playerScore = -120,
    .opponentScore = 4990,
    .pileFrozen = true,
};

// What a saved game can give back of a state: its saved fields over a fresh state.
inline GameState SavedPart(const GameState& state) {
    GameState part;
    CopySavedFields(state, part);
    return part;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::filesystem::path TestData(const std::string& relative) {
    return std::filesystem::path(TAVOLEX_TEST_DATA) / relative;
}

// A folder of its own for one test, removed with everything in it afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("tavolex-saved-game-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace test
}  // namespace tavolex
