// The description of the two card backs and how it is stored.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tavolex {

class SettingsStore;

enum CardBackType : uint8_t { kSolidColorBack = 0, kPatternBack = 1, kPictureBack = 2 };

constexpr int kPatternCount = 10;
constexpr size_t kMaxBackFileName = 255;

struct CardBackRecord {
    uint8_t Type = kSolidColorBack;
    // Stored colour: red in the low byte, then green, then blue.
    int32_t Color = 128;
    std::string FileName;
    uint8_t Pattern = 0;

    bool operator==(const CardBackRecord&) const = default;
};

using CardBacks = std::array<CardBackRecord, 2>;

// The table window and the card-back dialog read missing values with different defaults.
enum class CardBackDefaults { kTable, kDialog };

CardBackRecord DefaultCardBack(int deck, CardBackDefaults defaults);
// Odd stored values (an unknown type, a pattern out of range) read as the default.
CardBackRecord LoadCardBack(SettingsStore& store, int deck, CardBackDefaults defaults);
CardBacks LoadCardBacks(SettingsStore& store, CardBackDefaults defaults);
// Writes the type and only the value that the type uses.
void SaveCardBack(SettingsStore& store, int deck, const CardBackRecord& back);
void SaveCardBacks(SettingsStore& store, const CardBacks& backs);

}  // namespace tavolex
