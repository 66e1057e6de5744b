// Names of the card-face and back-pattern images of each screen layout.
#pragma once

#include <string>

namespace tavolex {

// The 55 images of a layout: 52 faces, the joker, then the two backs.
constexpr int kFaceImages = 53;
constexpr int kJokerImage = 52;
constexpr int kCardImages = 55;

// "beach", "fish1", ... by pattern index 0..9.
const char* PatternName(int pattern);
// Face image index = suit x 13 + face (suit 0 spade .. 3 heart, face 0 = 2 .. 12 = ace),
// 52 the joker: "heartb800", "joker1024".
std::string FaceImageName(int imageIndex, int resolution);
std::string PatternImageName(int pattern, int resolution);

}  // namespace tavolex
