// The chat window and the rule-differences dialog offscreen.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

#include "game/memory_settings.h"
#include "network/qt/chat_window.h"
#include "network/qt/rule_differences_dialog.h"
#include "storage/settings_keys.h"

namespace tavolex {
namespace {

class ChatWindowTest : public ::testing::Test {
  protected:
    ChatWindowTest() { table.move(30, 40); }

    QPlainTextEdit* Memo() { return chat.findChild<QPlainTextEdit*>("mmChat"); }
    QLineEdit* Input() { return chat.findChild<QLineEdit*>("edChat"); }
    QColor MemoColor() { return Memo()->palette().color(QPalette::Base); }

    MemorySettings settings;
    QWidget table;
    TfmChat chat{settings, "Anna", &table};
};

// A received line shows the hidden window, highlighted for a moment; the memo keeps the last
// 101 lines, each cut at 255 characters, above an input line as high as its font.
TEST_F(ChatWindowTest, TheMemoShowsReceivedLinesAboveTheInputLine) {
    const QColor normal = MemoColor();
    chat.show();
    chat.resize(400, 150);
    const int input = 9 + Input()->fontMetrics().height();
    EXPECT_EQ(Input()->geometry(), QRect(0, 150 - input, 400, input));
    EXPECT_EQ(Memo()->geometry(), QRect(0, 0, 400, 150 - input));
    chat.close();
    ASSERT_FALSE(chat.isVisible());
    chat.ShowReceived("Ben: hi\x01");
    EXPECT_TRUE(chat.isVisible());
    EXPECT_EQ(MemoColor(), QColor(255, 255, 128));
    EXPECT_EQ(Memo()->toPlainText(), "Ben: hi_");
    EXPECT_TRUE(QTest::qWaitFor([&] { return MemoColor() == normal; }, 2000));

    for (int n = 1; n <= 150; ++n) chat.AddLine("line " + std::to_string(n));
    const QTextDocument* memo = Memo()->document();
    EXPECT_EQ(memo->blockCount(), 101);
    EXPECT_EQ(memo->firstBlock().text(), "line 50");
    EXPECT_EQ(memo->lastBlock().text(), "line 150");
    chat.AddLine(std::string(300, 'x'));
    EXPECT_EQ(memo->lastBlock().text().size(), 255);
}

// Enter sends the cleaned line only while a match runs; of the function keys, F6 and F10 go
// to the table.
TEST_F(ChatWindowTest, EnterSendsTheCleanedLineAndFunctionKeysGoToTheTable) {
    QSignalSpy sent(&chat, &TfmChat::lineEntered);
    for (const bool running : {false, true}) {
        chat.SetMatchRunning(running);
        Input()->setText(QStringLiteral(u"a\tb\u20ac"));
        QTest::keyClick(Input(), Qt::Key_Return);
    }
    ASSERT_EQ(sent.size(), 1);
    const std::string expected = "Anna: a_b_";  // the euro sign is beyond Latin-1
    EXPECT_EQ(sent[0][0].value<std::string>(), expected);
    EXPECT_EQ(Memo()->toPlainText(), QString::fromStdString(expected));
    EXPECT_TRUE(Input()->text().isEmpty());

    QSignalSpy keys(&chat, &TfmChat::functionKey);
    for (const Qt::Key key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F10, Qt::Key_F11}) {
        QTest::keyClick(Input(), key);
    }
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys[0][0].toInt(), Qt::Key_F6);
    EXPECT_EQ(keys[1][0].toInt(), Qt::Key_F10);
}

TEST_F(ChatWindowTest, PlaceAndSizeAreKeptAndOffScreenPlacesGiveWayToTheTable) {
    struct Case {
        int64_t left, top;
        QPoint placed;
    } cases[] = {{100, 200, {100, 200}}, {-5, 2000, {30, 40}}, {2000, -1, {30, 40}}};
    for (const Case& c : cases) {
        MemorySettings stored;
        stored.WriteValue(kChatLeftKey.path, c.left);
        stored.WriteValue(kChatTopKey.path, c.top);
        stored.WriteValue(kChatWidthKey.path, int64_t{500});
        {
            TfmChat placed(stored, "Anna", &table);
            EXPECT_EQ(placed.pos(), c.placed);
            EXPECT_EQ(placed.size(), QSize(500, 108));
            EXPECT_TRUE(placed.windowFlags() & Qt::WindowStaysOnTopHint);
            placed.SetStayOnTop(false);
            EXPECT_FALSE(placed.windowFlags() & Qt::WindowStaysOnTopHint);
            placed.move(c.placed + QPoint(1, 1));
        }
        EXPECT_EQ(ReadInt(stored, kChatLeftKey.path, 0), c.placed.x() + 1);
        EXPECT_EQ(ReadInt(stored, kChatTopKey.path, 0), c.placed.y() + 1);
        EXPECT_EQ(ReadInt(stored, kChatWidthKey.path, 0), 500);
        EXPECT_EQ(ReadInt(stored, kChatHeightKey.path, 0), 108);
    }
}

TEST(RuleDifferencesDialog, ListsTheDifferencesSortedAndAdoptsTheOpponentsRules) {
    TfmRuleDifferences dialog;
    EXPECT_EQ(dialog.windowTitle(), "Rule Differences");
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    auto* list = dialog.findChild<QTreeWidget*>("lvRules");
    dialog.ShowDifferences({{"Number of Cards drawn each turn", "One", "Two"},
                            {"Canasta Required for Positive Score", "No", "Yes"}});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    const auto row = [](const QTreeWidgetItem* item) {
        return QStringList{item->text(0), item->text(1), item->text(2)}.join('|');
    };
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(row(list->headerItem()), "Rule|Your Setting|Opponent's Setting");
    EXPECT_EQ(row(list->topLevelItem(0)), "Canasta Required for Positive Score|No|Yes");
    EXPECT_EQ(row(list->topLevelItem(1)), "Number of Cards drawn each turn|One|Two");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("btHide")->isDefault());

    QSignalSpy adopted(&dialog, &TfmRuleDifferences::useOpponentsRules);
    dialog.findChild<QPushButton*>("btUseOpponentsRules")->click();
    EXPECT_EQ(adopted.size(), 1);
    EXPECT_FALSE(dialog.isVisible());

    dialog.ShowDifferences({{"Wildcard Canasta allowed", "Yes", "No"}});
    dialog.findChild<QPushButton*>("btHide")->click();
    EXPECT_FALSE(dialog.isVisible());
    dialog.ShowDifferences({});
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(list->topLevelItemCount(), 0);
}

}  // namespace
}  // namespace tavolex
