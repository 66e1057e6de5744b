#include "options/card_back.h"

#include "game/settings_store.h"
#include "storage/settings_keys.h"

namespace tavolex {

CardBackRecord DefaultCardBack(int deck, CardBackDefaults defaults) {
    CardBackRecord back;
    const bool dialog = defaults == CardBackDefaults::kDialog;
    back.Color = static_cast<int32_t>(dialog ? 128 : CardbackColorKey(deck).number);
    back.Pattern = static_cast<uint8_t>(dialog ? 1 : CardbackPatternKey(deck).number);
    return back;
}

CardBackRecord LoadCardBack(SettingsStore& store, int deck, CardBackDefaults defaults) {
    CardBackRecord back = DefaultCardBack(deck, defaults);
    SettingKey colorKey = CardbackColorKey(deck);
    colorKey.number = back.Color;
    SettingKey patternKey = CardbackPatternKey(deck);
    patternKey.number = back.Pattern;
    patternKey.high = kPatternCount - 1;
    back.Type = static_cast<uint8_t>(ReadIntSetting(store, CardbackTypeKey(deck)));
    back.Color = static_cast<int32_t>(ReadIntSetting(store, colorKey));
    back.Pattern = static_cast<uint8_t>(ReadIntSetting(store, patternKey));
    back.FileName = ReadTextSetting(store, CardbackFilenameKey(deck)).substr(0, kMaxBackFileName);
    return back;
}

CardBacks LoadCardBacks(SettingsStore& store, CardBackDefaults defaults) {
    return {LoadCardBack(store, 0, defaults), LoadCardBack(store, 1, defaults)};
}

void SaveCardBack(SettingsStore& store, int deck, const CardBackRecord& back) {
    store.WriteValue(CardbackTypeKey(deck).path, int64_t{back.Type});
    if (back.Type == kSolidColorBack) {
        store.WriteValue(CardbackColorKey(deck).path, int64_t{back.Color});
    } else if (back.Type == kPatternBack) {
        store.WriteValue(CardbackPatternKey(deck).path, int64_t{back.Pattern});
    } else {
        store.WriteValue(CardbackFilenameKey(deck).path, back.FileName);
    }
}

void SaveCardBacks(SettingsStore& store, const CardBacks& backs) {
    for (int deck = 0; deck < 2; ++deck) SaveCardBack(store, deck, backs[deck]);
}

}  // namespace tavolex
