#include "table/qt/modal_step_back.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace tavolex {

namespace {

constexpr const char* kSteppedBack = "steppedBack";

// Whether the modal window was opened from window itself (its font dialog): then it stays.
bool OpenedFrom(const QWidget* window, const QWidget* modal) {
    for (const QWidget* owner = modal; owner != nullptr; owner = owner->parentWidget()) {
        if (owner == window) return true;
    }
    return false;
}

}  // namespace

bool ModalStepBack::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWidget*>(watched);
    if (window == nullptr) return false;
    if (event->type() == QEvent::WindowBlocked) {
        if (window->isVisible() && !OpenedFrom(window, QApplication::activeModalWidget())) {
            window->setProperty(kSteppedBack, true);
            window->hide();
        }
    } else if (event->type() == QEvent::WindowUnblocked &&
               window->property(kSteppedBack).toBool()) {
        window->setProperty(kSteppedBack, false);
        window->show();
    }
    return false;
}

}  // namespace tavolex
