// The splash window shown while the table window starts: the program's name and version.
#pragma once

#include <QWidget>

namespace tavolex {

class SplashWindow : public QWidget {
  public:
    SplashWindow();

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavolex
