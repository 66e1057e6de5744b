#include "options/card_image_names.h"

#include <algorithm>
#include <array>

#include "game/table_layout.h"
#include "options/card_back.h"

namespace tavolex {

namespace {

constexpr std::array<const char*, kPatternCount> kPatternNames = {
    "beach",    "fish1",    "fish2", "leaves1", "leaves2",
    "pattern1", "pattern2", "robot", "rose",    "shell"};
constexpr std::array<const char*, 4> kSuitWords = {"spade", "club", "diamond", "heart"};
constexpr std::array<const char*, 13> kFaceLetters = {"2", "3",  "4", "5", "6", "7", "8",
                                                      "9", "10", "b", "v", "h", "a"};

}  // namespace

const char* PatternName(int pattern) {
    return kPatternNames[std::clamp(pattern, 0, kPatternCount - 1)];
}

std::string FaceImageName(int imageIndex, int resolution) {
    const std::string suffix = ScreenLayoutAt(resolution).imageSuffix;
    if (imageIndex < 0 || imageIndex >= kJokerImage) return "joker" + suffix;
    return std::string(kSuitWords[imageIndex / 13]) + kFaceLetters[imageIndex % 13] + suffix;
}

std::string PatternImageName(int pattern, int resolution) {
    return PatternName(pattern) + std::string(ScreenLayoutAt(resolution).imageSuffix);
}

}  // namespace tavolex
