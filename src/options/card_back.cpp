#include "options/card_back.h"

#include "game/settings_store.h"

namespace tavolex {

namespace {

constexpr int32_t kColorMask = 0xFFFFFF;

std::string Key(const char* name, int deck) {
    return std::string("Cardback\\") + name + std::to_string(deck);
}

}  // namespace

CardBackRecord DefaultCardBack(int deck, CardBackDefaults defaults) {
    CardBackRecord back;
    const bool dialog = defaults == CardBackDefaults::kDialog;
    back.Color = (deck == 1 && !dialog) ? 16512 : 128;
    back.Pattern = dialog ? 1 : 0;
    return back;
}

CardBackRecord LoadCardBack(SettingsStore& store, int deck, CardBackDefaults defaults) {
    const CardBackRecord fallback = DefaultCardBack(deck, defaults);
    CardBackRecord back = fallback;
    const int64_t type = ReadInt(store, Key("Type", deck), fallback.Type);
    if (type >= kSolidColorBack && type <= kPictureBack) back.Type = static_cast<uint8_t>(type);
    const int64_t color = ReadInt(store, Key("Color", deck), fallback.Color);
    if (color >= 0 && color <= kColorMask) back.Color = static_cast<int32_t>(color);
    const int64_t pattern = ReadInt(store, Key("Pattern", deck), fallback.Pattern);
    if (pattern >= 0 && pattern < kPatternCount) back.Pattern = static_cast<uint8_t>(pattern);
    back.FileName = ReadText(store, Key("Filename", deck), "").substr(0, kMaxBackFileName);
    return back;
}

CardBacks LoadCardBacks(SettingsStore& store, CardBackDefaults defaults) {
    return {LoadCardBack(store, 0, defaults), LoadCardBack(store, 1, defaults)};
}

void SaveCardBack(SettingsStore& store, int deck, const CardBackRecord& back) {
    store.WriteValue(Key("Type", deck), int64_t{back.Type});
    switch (back.Type) {
        case kSolidColorBack:
            store.WriteValue(Key("Color", deck), int64_t{back.Color});
            break;
        case kPatternBack:
            store.WriteValue(Key("Pattern", deck), int64_t{back.Pattern});
            break;
        default:
            store.WriteValue(Key("Filename", deck), back.FileName);
            break;
    }
}

void SaveCardBacks(SettingsStore& store, const CardBacks& backs) {
    for (int deck = 0; deck < 2; ++deck) SaveCardBack(store, deck, backs[deck]);
}

}  // namespace tavolex
