// Pieces the statistics dialogs share.
#pragma once

#include <QLabel>
#include <QString>

namespace tavolex {

// A right-aligned number label found by its name, so counters line up under each other.
inline QLabel* CountLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace tavolex
