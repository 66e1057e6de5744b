// Pieces the game's dialogs share: the program's caption, headings, score rows and the
// "What's This?" pop-up menu on their controls.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <string>

class QDialog;
class QFrame;
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
// A sunken line between parts of a dialog.
QFrame* HorizontalRule();
// "Your Score:", the opponent's score and, under a line, the "Difference:".
QGridLayout* ScoreTable(const QString& opponentLabel, int32_t playerScore, int32_t opponentScore,
                        int32_t difference);

// The width a window needs for its caption to show whole in a title bar beside the window
// manager's icon and buttons.
int CaptionWidth(const QString& caption);

// Widens every dialog the application shows to its caption's width (installed on the
// application): title bars cut a caption rather than widen the window.
class CaptionFitter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Right-clicking a control that has a "What's This?" text (or lies inside one that has) offers
// the single item "What's This?", which shows that text.
void InstallWhatsThisMenu(QDialog* dialog);

}  // namespace tavolex
