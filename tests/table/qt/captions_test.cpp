// Dialogs wide enough for their captions, input boxes among them.
#include <QApplication>
#include <QTimer>

#include "options/qt/card_pattern_dialog.h"
#include "table/qt/dialog_parts.h"
#include "table/qt/qt_dialogs.h"
#include "window_fixture.h"

namespace tavolex::test {
namespace {

class CaptionsTest : public WindowTest {};

TEST_F(CaptionsTest, DialogsAndInputBoxesAreAsWideAsTheirCaptions) {
    TfmCardPattern pattern(0, window.get());
    pattern.show();
    EXPECT_GE(pattern.width(), CaptionWidth("Select Card Back Pattern"));

    QtDialogs dialogs(window.get());
    for (const char* caption : {"Hand Score in Highscore List", "New Player"}) {
        int width = 0;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            width = box->width();
            box->close();
        });
        dialogs.InputBox(caption, "Name:", "Ann");
        EXPECT_GE(width, CaptionWidth(caption)) << caption;
    }
}

}  // namespace
}  // namespace tavolex::test
