// A window's font as the settings keep it: nine values under "<window>\Font.".
#pragma once

#include <QColor>
#include <QFont>
#include <string>

namespace tavolex {

class SettingsStore;

struct StoredFont {
    QFont font;
    QColor color;
};

StoredFont ReadStoredFont(SettingsStore& settings, const std::string& window);
void WriteStoredFont(SettingsStore& settings, const std::string& window, const StoredFont& font);

}  // namespace tavolex
