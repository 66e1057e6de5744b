#include "options/qt/stored_font.h"

#include <QFontDialog>
#include <cmath>

#include "game/settings_store.h"
#include "options/qt/stored_color.h"
#include "storage/settings_keys.h"

namespace tavolex {

namespace {

// The order of FontKeys.
enum { kColor, kHeight, kName, kPitch, kSize, kBold, kItalic, kUnderline, kStrikeOut };
// Heights are kept in pixels of a 96-dots-per-inch screen, negative for a character height.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

}  // namespace

StoredFont ReadStoredFont(SettingsStore& settings, const std::string& window) {
    const std::vector<SettingKey> keys = FontKeys(window);
    StoredFont stored;
    stored.font.setFamily(QString::fromStdString(ReadTextSetting(settings, keys[kName])));
    const int64_t size = ReadIntSetting(settings, keys[kSize]);
    stored.font.setPointSize(size > 0 && size < 100 ? static_cast<int>(size) : 8);
    stored.font.setBold(ReadBoolSetting(settings, keys[kBold]));
    stored.font.setItalic(ReadBoolSetting(settings, keys[kItalic]));
    stored.font.setUnderline(ReadBoolSetting(settings, keys[kUnderline]));
    stored.font.setStrikeOut(ReadBoolSetting(settings, keys[kStrikeOut]));
    stored.color = ColorFromStored(static_cast<int32_t>(ReadIntSetting(settings, keys[kColor])));
    return stored;
}

void WriteStoredFont(SettingsStore& settings, const std::string& window, const StoredFont& font) {
    const std::vector<SettingKey> keys = FontKeys(window);
    const int points = font.font.pointSize() > 0 ? font.font.pointSize() : 8;
    settings.WriteValue(keys[kColor].path, int64_t{StoredFromColor(font.color)});
    settings.WriteValue(keys[kHeight].path,
                        int64_t{-static_cast<int64_t>(std::lround(points * kPixelsPerPoint))});
    settings.WriteValue(keys[kName].path, font.font.family().toStdString());
    settings.WriteValue(keys[kPitch].path, int64_t{0});
    settings.WriteValue(keys[kSize].path, int64_t{points});
    WriteBool(settings, keys[kBold].path, font.font.bold());
    WriteBool(settings, keys[kItalic].path, font.font.italic());
    WriteBool(settings, keys[kUnderline].path, font.font.underline());
    WriteBool(settings, keys[kStrikeOut].path, font.font.strikeOut());
}

std::optional<QFont> ChooseStoredFont(QWidget* parent, SettingsStore& settings,
                                      const std::string& window, const QFont& current) {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, current, parent);
    if (!chosen) return std::nullopt;
    StoredFont stored = ReadStoredFont(settings, window);
    stored.font = font;
    WriteStoredFont(settings, window, stored);
    return font;
}

}  // namespace tavolex
