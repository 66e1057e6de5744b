// A table window started offscreen with quiet settings (no sound, no card movement, no pauses),
// in a folder of its own, on which a test lays out a position and clicks.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "game/hand_columns.h"
#include "game/memory_settings.h"
#include "position.h"
#include "qt_shell_helpers.h"
#include "table/qt/table_canvas.h"
#include "table/qt/tvx_main.h"

namespace tavolex::test {

// A table window in folder with quiet settings (no sound, no pauses, cards moving only when
// asked), shown and active; the test runs the delayed start-up itself.
inline std::unique_ptr<TfmTvxMain> OpenQuietWindow(MemorySettings& settings,
                                                   const QTemporaryDir& folder,
                                                   const char* resolution = "0,0,640x480",
                                                   bool cardMovement = false) {
    settings.WriteValue("Settings\\Sound", int64_t{0});
    settings.WriteValue("Settings\\Card Movement", int64_t{cardMovement});
    settings.WriteValue("Settings\\Delay", int64_t{0});
    settings.WriteValue("Settings\\Show Turns", int64_t{0});
    settings.WriteValue("Settings\\Resolution", std::string(resolution));
    StartOptions options;
    options.programFolder = folder.path().toStdString() + "/";
    options.arguments = {"/setup"};
    options.startTimer = false;
    auto window = std::make_unique<TfmTvxMain>(settings, options);
    window->show();
    window->activateWindow();  // menu shortcuts reach only the active window
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
}

// The window's menu command with this caption.
inline QAction* Command(const QWidget& window, const QString& caption) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == caption) return action;
    }
    ADD_FAILURE() << "no command " << caption.toStdString();
    return nullptr;
}

class WindowTest : public ::testing::Test {
  protected:
    // Without startUp the test runs the delayed start-up itself, after its own settings.
    explicit WindowTest(const char* resolution = "0,0,640x480", bool startUp = true,
                        bool cardMovement = false)
        : window(OpenQuietWindow(settings, folder, resolution, cardMovement)) {
        if (startUp) window->tmSplashTimer();
    }

    Table& table() { return window->table(); }
    GameState& state() { return window->table().state; }
    const TableLayout& layout() { return window->table().layout; }

    void Lay(const Position& position) {
        BuildPosition(table(), position);
        window->RepaintAll();
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(window->canvas(), button, modifiers, at);
    }
    // A hand card where it is drawn: a column that would run past the status bar closes up.
    QPoint OnHand(const char* name) {
        const int index = IndexOf(state().PlayerHand, name);
        const DrawnHand drawn = DrawHand(state().PlayerHand, layout(), table().VisibleBottom);
        return QPoint(state().PlayerHand.cards[index].x + 5, drawn[index].y + 5);
    }
    QImage Painted() { return window->canvas()->Backing().toImage(); }

    QTemporaryDir folder;
    MemorySettings settings;
    std::unique_ptr<TfmTvxMain> window;
};

}  // namespace tavolex::test
