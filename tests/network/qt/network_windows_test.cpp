// The chat window offscreen.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "game/memory_settings.h"
#include "network/qt/chat_window.h"
#include "network/qt/rule_differences_dialog.h"
#include "storage/settings_keys.h"

namespace tavolex {
namespace {

class ChatWindowTest : public ::testing::Test {
  protected:
    QPlainTextEdit* Memo() { return chat.findChild<QPlainTextEdit*>("mmChat"); }
    QLineEdit* Input() { return chat.findChild<QLineEdit*>("edChat"); }
    QColor MemoColor() { return Memo()->palette().color(QPalette::Base); }

    MemorySettings settings;
    QWidget table;
    TfmChat chat{settings, "Anna", &table};
};

// A received line shows the window, highlighted for a moment; the memo keeps 101 lines of 255.
TEST_F(ChatWindowTest, TheMemoShowsReceivedAndSentLinesAboveTheInputLine) {
    const QColor normal = MemoColor();
    chat.ShowReceived("Ben: hi\x01");
    chat.resize(400, 150);
    const int input = 9 + Input()->fontMetrics().height();
    EXPECT_EQ(Input()->geometry(), QRect(0, 150 - input, 400, input));
    EXPECT_EQ(MemoColor(), QColor(255, 255, 128));
    EXPECT_EQ(Memo()->toPlainText(), "Ben: hi_");
    EXPECT_TRUE(QTest::qWaitFor([&] { return MemoColor() == normal; }, 2000));
    chat.SetStayOnTop(false);
    EXPECT_FALSE(chat.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(chat.isVisible());

    for (int n = 1; n <= 150; ++n) chat.AddLine("line " + std::to_string(n));
    chat.AddLine(std::string(300, 'x'));
    EXPECT_TRUE(Memo()->toPlainText().startsWith("line 51\n"));
    EXPECT_TRUE(Memo()->toPlainText().endsWith("\n" + QString(255, 'x')));

    // Enter sends the cleaned line only while a match runs; F6 to F10 go to the table.
    QSignalSpy sent(&chat, &TfmChat::lineEntered);
    for (const bool running : {false, true}) {
        chat.SetMatchRunning(running);
        Input()->setText(QStringLiteral(u"a\tb\u20ac"));
        QTest::keyClick(Input(), Qt::Key_Return);
    }
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0][0].value<std::string>(), "Anna: a_b_");  // the euro is beyond Latin-1
    EXPECT_TRUE(Memo()->toPlainText().endsWith("\nAnna: a_b_"));

    QSignalSpy keys(&chat, &TfmChat::functionKey);
    for (const Qt::Key key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F10, Qt::Key_F11})
        QTest::keyClick(Input(), key);
    EXPECT_EQ(keys.size(), 2);
}

}  // namespace
}  // namespace tavolex
