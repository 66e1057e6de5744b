// Colours as the settings keep them: red in the low byte, then green, then blue.
#pragma once

#include <QColor>
#include <cstdint>

namespace tavolex {

inline QColor ColorFromStored(int32_t stored) {
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

inline int32_t StoredFromColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

}  // namespace tavolex
