// The table window's menus and status bar.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "game/rule_options.h"
#include "lobby/qt/check_upgrade_dialog.h"
#include "lobby/qt/network_settings_dialog.h"
#include "lobby/qt/web_requests.h"
#include "options/qt/sound_dialog.h"
#include "storage/match_history.h"
#include "storage/qt/hall_of_fame_dialog.h"
#include "storage/qt/match_history_dialog.h"
#include "storage/qt/win_ratio_dialog.h"
#include "storage/saved_game.h"
#include "table/deal.h"
#include "table/qt/about_box.h"
#include "table/qt/help_window.h"
#include "table/qt/rules_dialog.h"
#include "table/qt/tvx_main.h"
#include "table/undo_meld.h"

namespace tavolex {

namespace {

// A menu item's hint: the part after "|" shows in the status bar.
QAction* AddItem(QMenu* menu, const QString& caption, const QString& hint,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    action->setStatusTip(hint.section('|', -1));
    return action;
}

QLabel* AddPanel(QStatusBar* bar, const char* name, const QString& tip) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(name);
    panel->setToolTip(tip);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(panel);
    return panel;
}

}  // namespace

void TfmTvxMain::BuildMenus() {
    QMenu* game = menuBar()->addMenu("&Game");
    connect(AddItem(game, "&New", "|Start a new game", Qt::Key_F2), &QAction::triggered, this,
            [this] { RunEngine([this] { StartNewGame(table_); }); });
    connect(AddItem(game, "&Load...", "|Load a saved game", Qt::Key_F3), &QAction::triggered, this,
            [this] { RunEngine([this] { LoadGame(table_, false); }); });
    connect(AddItem(game, "&Save...", "|Save the game", Qt::Key_F4), &QAction::triggered, this,
            [this] { RunEngine([this] { SaveGame(table_, false); }); });
    game->addSeparator();
    miUndoMeld_ = AddItem(game, "&Undo Meld", "|Take back the card melded last", Qt::Key_Delete);
    connect(miUndoMeld_, &QAction::triggered, this,
            [this] { RunEngine([this] { UndoMeld(table_); }); });
    miUndoAll_ = AddItem(game, "Undo &All", "|Take back every card melded in this turn",
                         QKeySequence(Qt::CTRL | Qt::Key_Delete));
    connect(miUndoAll_, &QAction::triggered, this,
            [this] { RunEngine([this] { UndoAll(table_); }); });
    EnableUndo(false);
    game->addSeparator();
    connect(AddItem(game, "&Hiscores...", "|Show the best hands and matches of each level"),
            &QAction::triggered, this, [this] { ShowHallOfFame(table_.ComputerLevel, 0, -1); });
    connect(AddItem(game, "&Win Ratio...", "|Show the wins and losses of each player"),
            &QAction::triggered, this,
            [this] { ShowWinRatio(statistics_.players, settings_, dialogs_, this); });
    connect(AddItem(game, "&Match History...", "|Show the results of the last matches"),
            &QAction::triggered, this,
            [this] { TfmMatchHistory(LoadMatchHistory(settings_), this).exec(); });
    game->addSeparator();
    connect(AddItem(game, "E&xit", "|Quit Tavolex"), &QAction::triggered, this, &QWidget::close);

    QMenu* options = menuBar()->addMenu("&Options");
    miRules_ = AddItem(options, "&Rules...", kRulesHintUnlocked);
    connect(miRules_, &QAction::triggered, this, &TfmTvxMain::Rules1Click);
    connect(AddItem(options, "&Customize...",
                    "|Change the window size, the players, the level and the general options"),
            &QAction::triggered, this, &TfmTvxMain::Customize1Click);
    connect(AddItem(options, "&Sound...", "|Choose the sounds and the music"), &QAction::triggered,
            this, [this] { Sound1Click(this, settings_, sounds_, music_); });
    connect(AddItem(options, "&Decks...", "|Choose the backs of the two decks"),
            &QAction::triggered, this, &TfmTvxMain::Deck1Click);

    // The commands of a running network game stay disabled until one can run.
    QMenu* network = menuBar()->addMenu("&Network");
    miLobby_ = AddItem(network, "Lobby...", "|Meet other players on the Internet", Qt::Key_F5);
    connect(miLobby_, &QAction::triggered, this, [this] { OpenLobby(false); });
    miDisconnect_ = AddItem(network, "&Disconnect", "|End the network game");
    connect(miDisconnect_, &QAction::triggered, this,
            [this] { RunEngine([this] { network_.Disconnect(); }); });
    miChatOnTop_ = AddItem(network, "&Chat window always on top",
                           "|Keep the chat window above all other windows");
    miChatOnTop_->setCheckable(true);
    connect(miChatOnTop_, &QAction::triggered, this, &TfmTvxMain::miChatOnTopClick);
    miRuleDifferences_ =
        AddItem(network, "&Rule Differences...", "|Compare the rules with your opponent's");
    connect(miRuleDifferences_, &QAction::triggered, this,
            [this] { network_.CompareRulesAgain(); });
    connect(AddItem(network, "Proxy Settings...", "|Set the proxy for the Internet connection"),
            &QAction::triggered, this, [this] {
                if (TfmNetworkSettings::Run(settings_, this))
                    http_.TakeOverProxySettings(settings_);
            });

    QMenu* help = menuBar()->addMenu("&Help");
    connect(AddItem(help, "&Help Topics", "|Read how to play Tavolex", Qt::Key_F1),
            &QAction::triggered, this, [this] {
                // The three help sounds take turns.
                sounds_.PlayEvent(kSoundHelp1 + helpSoundCounter_);
                helpSoundCounter_ = (helpSoundCounter_ + 1) % 3;
                if (helpWindow_ == nullptr) {
                    helpWindow_ = new HelpWindow(this);
                    connect(helpWindow_, &HelpWindow::HelpCommand, this, [this](int parameter) {
                        QCoreApplication::postEvent(this, new HelpCommandEvent(parameter));
                    });
                }
                helpWindow_->ShowContents();
            });
    connect(AddItem(help, "&Tavolex Home Page", "|Visit the Tavolex home page"),
            &QAction::triggered, this,
            [this] { OpenPage(WebAddress(ReadWebServer(settings_), kHomePagePath)); });
    connect(AddItem(help, "Check &Upgrade...", "|Look for a newer version of Tavolex"),
            &QAction::triggered, this,
            [this] { TfmCheckUpgrade(http_, ReadWebServer(settings_), this).exec(); });
    connect(AddItem(help, "&About...", "|Show the version of Tavolex"), &QAction::triggered, this,
            [this] { TfmAbout::Run(this, [this] { sounds_.PlayAbout(); }); });
    for (QMenu* menu : {game, options, network, help}) {
        connect(menu, &QMenu::aboutToHide, this, &TfmTvxMain::RestorePrompt);
    }
}

void TfmTvxMain::ShowHallOfFame(int level, int kind, int row) {
    TfmHallOfFame(statistics_.highscores, settings_, dialogs_, level, kind, row, this).exec();
}

void TfmTvxMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    pnStatusbar_ = new QLabel(bar);
    pnStatusbar_->setObjectName("pnStatusbar");
    // A long prompt is cut rather than pushing the score panels out of the window; the whole
    // prompt shows on hover.
    pnStatusbar_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(pnStatusbar_, 1);
    pnPCurrScore_ = AddPanel(bar, "pnPCurrScore", "Your score");
    pnPCurrMeld_ = AddPanel(bar, "pnPCurrMeld", "Your current meld (the minimum you need)");
    pnCCurrScore_ = AddPanel(bar, "pnCCurrScore", "Your opponent's score");
    pnCCurrMeld_ = AddPanel(bar, "pnCCurrMeld", "Your opponent's current meld");
    pnLobbyActive_ = AddPanel(bar, "pnLobbyActive", "You can be invited from the lobby");
    pnLobbyActive_->setText("Lobby Active");
    pnLobbyActive_->hide();
}

}  // namespace tavolex
