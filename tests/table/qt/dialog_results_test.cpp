// The result dialogs answer as the engine expects: details wanted, play again or not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "table/qt/qt_dialogs.h"
#include "table/qt/saved_game_dialog.h"

namespace tavolex {
namespace {

// Presses a button of the next modal dialog, found by its object name or its standard role.
void PressLater(const char* objectName) {
    QTimer::singleShot(0, [objectName] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>(QLatin1String(objectName))->click();
    });
}
void PressLater(QDialogButtonBox::StandardButton button) {
    QTimer::singleShot(0, [button] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QDialogButtonBox*>()->button(button)->click();
    });
}

TEST(QtDialogs, ScoringTellsWhetherTheDetailsWereAskedFor) {
    QtDialogs dialogs(nullptr);
    const ScoringInfo info{"Computer's Score:", 920, -135};
    PressLater("bnDetails");
    EXPECT_TRUE(dialogs.ShowScoring(info));
    PressLater(QDialogButtonBox::Ok);
    EXPECT_FALSE(dialogs.ShowScoring(info));
}

TEST(QtDialogs, GameOverAsksToPlayAgainLocally) {
    QtDialogs dialogs(nullptr);
    GameOverInfo info;
    info.comment = "Congratulations Player! You won.";
    info.opponentScoreLabel = "Computer's score:";
    PressLater(QDialogButtonBox::Yes);
    EXPECT_EQ(dialogs.ShowGameOver(info), GameOverAnswer::Yes);
    PressLater(QDialogButtonBox::No);
    EXPECT_EQ(dialogs.ShowGameOver(info), GameOverAnswer::No);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(dialogs.ShowGameOver(info), GameOverAnswer::Closed);
}

TEST(QtDialogs, NetworkGameOverMailsOnRequestAndLogsTheMatchOnOk) {
    QtDialogs dialogs(nullptr);
    int logged = 0;
    std::string mailedTo;
    dialogs.SetMatchReporting(
        {[&](const GameOverInfo& info) {
             ++logged;
             EXPECT_EQ(info.opponentName, "Rosalind");
         },
         [&](const GameOverInfo&, const std::string& address) { mailedTo = address; }});
    GameOverInfo info;
    info.networkGame = true;
    info.opponentName = "Rosalind";
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        EXPECT_EQ(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Yes), nullptr);
        QTimer::singleShot(0, [] {
            auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(ask, nullptr);
            EXPECT_EQ(ask->labelText(), "Email address to report this match to:");
            ask->setTextValue("ros@example.org");
            ask->accept();
        });
        dialog->findChild<QPushButton*>(QStringLiteral("bnSendResult"))->click();
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        ok->click();
        ok->click();
    });
    EXPECT_EQ(dialogs.ShowGameOver(info), GameOverAnswer::Ok);
    EXPECT_EQ(mailedTo, "ros@example.org");
    EXPECT_EQ(logged, 1);
}

TEST(SavedGameDialog, OffersTavolexGamesAndProposesTheName) {
    std::unique_ptr<QFileDialog> save(
        MakeSavedGameDialog(SavedGameDialogKind::Save, QStringLiteral("Ann.tvx"), nullptr));
    EXPECT_EQ(save->windowTitle(), "Save Tavolex Game");
    EXPECT_EQ(save->nameFilters().first(), "Tavolex Games (*.tvx)");
    EXPECT_EQ(save->defaultSuffix(), "tvx");
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);

    std::unique_ptr<QFileDialog> load(MakeSavedGameDialog(SavedGameDialogKind::Load, {}, nullptr));
    EXPECT_EQ(load->windowTitle(), "Load Tavolex Game");
    EXPECT_EQ(load->fileMode(), QFileDialog::ExistingFile);
}

}  // namespace
}  // namespace tavolex
