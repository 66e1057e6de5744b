// A window that stays on top would cover the modal boxes opened over the table window, and the
// user could reach neither: while a modal window blocks it, it steps out of the way and comes
// back once the modal window has closed.
#pragma once

#include <QObject>

namespace tavolex {

class ModalStepBack : public QObject {
  public:
    using QObject::QObject;
    // Installs the step-back on window.
    void Watch(QObject* window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tavolex
