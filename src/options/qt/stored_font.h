// A window's font as the settings keep it: nine values under "<window>\Font.".
#pragma once

#include <QColor>
#include <QFont>
#include <optional>
#include <string>

class QWidget;

namespace tavolex {

class SettingsStore;

struct StoredFont {
    QFont font;
    QColor color;
};

StoredFont ReadStoredFont(SettingsStore& settings, const std::string& window);
void WriteStoredFont(SettingsStore& settings, const std::string& window, const StoredFont& font);

// The font dialog, opened on current: the chosen font, stored for the window (its colour kept),
// or nothing when the dialog was cancelled.
std::optional<QFont> ChooseStoredFont(QWidget* parent, SettingsStore& settings,
                                      const std::string& window, const QFont& current);

}  // namespace tavolex
