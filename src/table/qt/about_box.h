// The About box: the program's name, version and build, over a small fan of cards.
#pragma once

#include <QDialog>
#include <functional>

namespace tavolex {

class TfmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit TfmAbout(QWidget* parent = nullptr);

    // The "Build " text: the version compiled into the program, or "unknown".
    static QString BuildText();
    // Shows the box modally; playSound (the about sound, when sound is on) starts as it opens.
    static void Run(QWidget* parent, const std::function<void()>& playSound = {});
};

}  // namespace tavolex
