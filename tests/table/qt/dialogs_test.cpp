// The table's own dialogs as the user works them: the result dialogs answer as the engine
// expects, the saved-game dialogs offer Tavolex games, the help pages' links lead somewhere, and
// the Rules dialog keeps its boxes consistent, locks in a match and stores on OK only.
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextBrowser>

#include "qt_shell_helpers.h"
#include "table/headless_game.h"
#include "table/qt/about_box.h"
#include "table/qt/help_window.h"
#include "table/qt/qt_dialogs.h"
#include "table/qt/rules_dialog.h"
#include "table/qt/saved_game_dialog.h"
#include "table/rules_change.h"

namespace tavolex::test {
namespace {

// Presses a button of the next modal dialog: one of its standard buttons, or one by its name.
void PressLater(QDialogButtonBox::StandardButton button) {
    WhenModalOpens([button](QWidget* dialog) { Standard(dialog, button)->click(); });
}
void PressLater(const char* name) {
    WhenModalOpens([name](QWidget* dialog) { dialog->findChild<QPushButton*>(name)->click(); });
}

TEST(QtDialogs, ScoringTellsWhetherDetailsWereAskedForAndGameOverWhetherToPlayAgain) {
    QtDialogs dialogs(nullptr);
    const ScoringInfo scoring{"Computer's Score:", 920, -135};
    PressLater("bnDetails");
    EXPECT_TRUE(dialogs.ShowScoring(scoring));
    PressLater(QDialogButtonBox::Ok);
    EXPECT_FALSE(dialogs.ShowScoring(scoring));

    GameOverInfo info;
    info.comment = "Congratulations Player! You won.";
    info.opponentScoreLabel = "Computer's score:";
    PressLater(QDialogButtonBox::Yes);
    EXPECT_EQ(dialogs.ShowGameOver(info), GameOverAnswer::Yes);
    PressLater(QDialogButtonBox::No);
    EXPECT_EQ(dialogs.ShowGameOver(info), GameOverAnswer::No);
    WhenModalOpens([](QWidget* dialog) { dialog->close(); });
    EXPECT_EQ(dialogs.ShowGameOver(info), GameOverAnswer::Closed);
}

TEST(QtDialogs, NetworkGameOverMailsOnRequestAndLogsTheMatchOnOk) {
    QtDialogs dialogs(nullptr);
    int logged = 0;
    std::string mailedTo;
    dialogs.SetMatchReporting(
        {[&](const GameOverInfo&) { ++logged; },
         [&](const GameOverInfo&, const std::string& address) { mailedTo = address; }});
    GameOverInfo info;
    info.networkGame = true;
    info.opponentName = "Rosalind";
    WhenModalOpens([](QWidget* dialog) {
        EXPECT_EQ(Standard(dialog, QDialogButtonBox::Yes), nullptr);
        WhenModalOpens([](QWidget* widget) {
            auto* ask = qobject_cast<QInputDialog*>(widget);
            ASSERT_NE(ask, nullptr);
            ask->setTextValue("ros@example.org");
            ask->accept();
        });
        dialog->findChild<QPushButton*>("bnSendResult")->click();
        Standard(dialog, QDialogButtonBox::Ok)->click();
        Standard(dialog, QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(dialogs.ShowGameOver(info), GameOverAnswer::Ok);
    EXPECT_EQ(mailedTo, "ros@example.org");
    EXPECT_EQ(logged, 1);
}

TEST(SavedGameDialog, OffersTavolexGamesAndProposesTheNameTheAboutBoxShowsTheBuild) {
    std::unique_ptr<QFileDialog> save(
        MakeSavedGameDialog(SavedGameDialogKind::Save, QStringLiteral("Ann.tvx"), nullptr));
    EXPECT_EQ(save->windowTitle(), "Save Tavolex Game");
    EXPECT_EQ(save->nameFilters().first(), "Tavolex Games (*.tvx)");
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);

    std::unique_ptr<QFileDialog> load(MakeSavedGameDialog(SavedGameDialogKind::Load, {}, nullptr));
    EXPECT_EQ(load->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(TfmAbout::BuildText(), QStringLiteral("Build ") + TAVOLEX_VERSION);
}

TEST(HelpWindow, CommandLinksEmitTheirParameterPageLinksNavigateAndAllLinksLeadSomewhere) {
    HelpWindow help;
    help.ShowContents();
    auto* browser = help.findChild<QTextBrowser*>();
    EXPECT_TRUE(browser->toPlainText().contains("Tavolex Help"));

    QSignalSpy commands(&help, &HelpWindow::HelpCommand);
    for (const char* link : {"tavolex:9999?3", "tavolex:9999?x", "tavolex:1234?2"})
        emit browser->anchorClicked(QUrl(link));
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.at(0).at(0).toInt(), 3);

    emit browser->anchorClicked(QUrl(QStringLiteral("rules.html#canastas")));
    EXPECT_EQ(browser->source().fileName(), "rules.html");

    // Every link of every page leads to a page that exists or to one of the five commands.
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    ASSERT_GE(pages.size(), 5);
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& page : pages) {
        QFile file(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const auto& match : link.globalMatch(QString::fromUtf8(file.readAll()))) {
            const QUrl target(match.captured(1));
            const int parameter = target.query().toInt();
            EXPECT_TRUE(target.scheme() == QLatin1String("tavolex")
                            ? target.path() == "9999" && parameter >= 0 && parameter <= 4
                            : QFile::exists(QStringLiteral(":/help/") + target.path()))
                << page.toStdString() << ": " << match.captured(1).toStdString();
        }
    }
}

QCheckBox* Box(TfmRules& dialog, const char* name) {
    QCheckBox* box = dialog.findChild<QCheckBox*>(QLatin1String(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

QString PageShown(const TfmRules& dialog) {
    auto* pages = dialog.findChild<QTabWidget*>();
    return pages->tabText(pages->currentIndex());
}

TEST(TfmRules, BoxesFollowTheirParentsHoyleSetsAllAMatchLocksAllAndTheLastPageReopens) {
    TfmRules::SetOpeningPage(kRulesCanastasPage);
    {
        TfmRules dialog(RuleOptions{}, false);
        dialog.show();
        EXPECT_EQ(PageShown(dialog), "Canastas");
        EXPECT_TRUE(Box(dialog, "ckInitBlock")->isEnabled());
        Box(dialog, "ckInitFreeze")->click();
        EXPECT_FALSE(Box(dialog, "ckInitBlock")->isEnabled());
        EXPECT_FALSE(dialog.findChild<QLabel*>("lbWarning")->isVisibleTo(&dialog));

        // The required canastas follow the going-out choice.
        dialog.findChild<QGroupBox*>("rgGoOut")->findChildren<QRadioButton*>().at(1)->click();
        EXPECT_EQ(Box(dialog, "ckRequired")->text(),
                  "At least two Canastas required for positive score");
        dialog.findChild<QPushButton*>("bnHoyle")->click();
        EXPECT_EQ(dialog.Options(), HoyleRules());

        // A radio item without its own help text offers the one of its group.
        auto* group = dialog.findChild<QGroupBox*>("rgDrawn");
        QSignalSpy requests(group, &QWidget::customContextMenuRequested);
        QString offered;
        QTimer::singleShot(0, [&offered] {
            QWidget* menu = QApplication::activePopupWidget();
            ASSERT_NE(menu, nullptr);
            offered = menu->actions().value(0)->text();
            menu->close();
        });
        QRadioButton* item = group->findChildren<QRadioButton*>().at(0);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                item->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(item, &event);
        EXPECT_EQ(requests.count(), 1);
        EXPECT_EQ(offered, "What's This?");
        dialog.findChild<QTabWidget*>()->setCurrentIndex(kRulesOtherPage);
        dialog.reject();
    }
    // During a match every control is locked, with the red warning.
    TfmRules dialog(RuleOptions{}, true);
    EXPECT_EQ(PageShown(dialog), "Other");
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    }
    EXPECT_TRUE(dialog.findChild<QLabel*>("lbWarning")->isVisibleTo(&dialog));
    TfmRules::SetOpeningPage(kRulesDiscardPilePage);
}

}  // namespace
}  // namespace tavolex::test
