// Pieces the game's dialogs share: the program's caption, headings, score rows and the
// "What's This?" pop-up menu on their controls.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

class QDialog;
class QGridLayout;
class QLabel;
class QWidget;

namespace tavolex {

inline const QString kProgramCaption = QStringLiteral("Tavolex");

inline QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// A bold, larger label that opens a dialog ("Hand Finished", "Game Over").
QLabel* HeadingLabel(const QString& text);
// A right-aligned number, so columns of numbers line up.
QLabel* NumberLabel(int32_t value, bool bold = false);
// One "caption  value" row of a score table.
void AddScoreRow(QGridLayout* grid, int row, const QString& caption, int32_t value);

// Right-clicking a control that has a "What's This?" text (or lies inside one that has) offers
// the single item "What's This?", which shows that text.
void InstallWhatsThisMenu(QDialog* dialog);

}  // namespace tavolex
