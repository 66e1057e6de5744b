// The result dialogs answer as the engine expects: details wanted, play again or not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
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

TEST(QtDialogs, NetworkGameOverSendsTheResultOnceAndClosesWithOk) {
    QtDialogs dialogs(nullptr);
    int reports = 0;
    dialogs.SetSendResult([&](const GameOverInfo& info) {
        ++reports;
        EXPECT_EQ(info.opponentName, "Rosalind");
    });
    GameOverInfo info;
    info.networkGame = true;
    info.opponentName = "Rosalind";
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* send = dialog->findChild<QPushButton*>(QStringLiteral("bnSendResult"));
        send->click();
        EXPECT_FALSE(send->isEnabled());
        EXPECT_EQ(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Yes), nullptr);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(dialogs.ShowGameOver(info), GameOverAnswer::Ok);
    EXPECT_EQ(reports, 1);
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
