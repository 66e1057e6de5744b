// The table window: owns the engine's table, draws it and turns mouse, keys and menu commands
// into the engine's calls.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "computer/computer_turn.h"
#include "game/table.h"
#include "lobby/lobby.h"
#include "lobby/qt/http_client.h"
#include "lobby/qt/qt_game_server.h"
#include "lobby/qt/web_requests.h"
#include "network/game_server_peer_link.h"
#include "network/network_game.h"
#include "options/customize_settings.h"
#include "options/qt/midi_player.h"
#include "options/qt/qt_sounds.h"
#include "storage/stored_statistics.h"
#include "table/game_flow.h"
#include "table/qt/card_images.h"
#include "table/qt/modal_step_back.h"
#include "table/qt/qt_clock.h"
#include "table/qt/qt_dialogs.h"

class QLabel;
class QPushButton;
class QAction;
class QMenu;

namespace tavolex {

class HelpWindow;
class TableCanvas;
class TfmChat;
class TfmLobbyGS;
class TfmRuleDifferences;

struct StartOptions {
    std::string programFolder;
    // The command-line arguments after the program's name.
    std::vector<std::string> arguments;
    // Tests run the delayed start-up themselves instead of waiting for the timer.
    bool startTimer = true;
};

class TfmTvxMain : public QMainWindow,
                   public TableView,
                   private GameServerWindow,
                   private LobbyHost,
                   private NetworkView {
    Q_OBJECT
  public:
    TfmTvxMain(SettingsStore& settings, StartOptions options, QWidget* parent = nullptr);
    ~TfmTvxMain() override;

    // tmSplash's tick: layout, card images, the command line, then the saved or a new game.
    void tmSplashTimer();

    Table& table() { return table_; }
    TableCanvas* canvas() const { return canvas_; }
    const CardImages& cards() const { return cards_; }
    QString StatusText() const;
    bool StatusShowsError() const { return statusError_; }
    QString PanelText(const char* panelName) const;

    // TableView.
    void ShowCardMove(const CardRecord& card, int fromX, int fromY, int toX, int toY,
                      bool highlight) override;
    void InvalidateArea(int x, int y, int width, int height) override;
    void RepaintAll() override;
    void PauseWithHourglass(int milliseconds) override;
    void SetHourglass(bool on) override;
    void ShowStatus(const std::string& text, bool error) override;
    void Beep() override;
    void EnableUndo(bool enabled) override;
    void ShowEndHandButton(bool visible) override;
    void EnableEndHandButton(bool enabled) override;
    void SetRulesHint(const std::string& hint) override;
    void ShowWhoseTurn(const std::string& text) override;
    // WM_DISPATCH, posted to this window.
    void PostDispatch() override;
    void CloseProgram() override;

    // "Lobby..." (F5), and the "/ip:" start-up with autoLogin: the lobby window, modal; received
    // moves wait until it has closed.
    void OpenLobby(bool autoLogin);
    Lobby& lobby() { return lobby_; }
    // The lobby window while it is open, else null.
    TfmLobbyGS* LobbyWindow() const { return lobbyWindow_; }
    NetworkGame& network() { return network_; }
    // The chat window and the rule-differences dialog while a match has them, else null.
    TfmChat* ChatWindow() const { return chat_.get(); }
    TfmRuleDifferences* RuleDifferencesDialog() const { return ruleDifferences_.get(); }

    // The Options menu's dialogs, as their commands open them.
    void Rules1Click();
    void Customize1Click();
    void Deck1Click();
    // Command 9999 of the help pages: 0 and 1 open Customize on "Players" and "General", 2..4
    // the Rules dialog on "Red Threes", "Canastas" and "Discard Pile"; others do nothing.
    void HelpCommand(int parameter);

  signals:
    // The delayed start-up has run: the splash window goes.
    void StartedUp();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // GameServerWindow: the connection's events come back to this window as posted events.
    void PostGameServerEvent(int code, const std::string& text) override;
    // LobbyHost: WM_INVITED.
    void PostInvited() override;
    // Returns whether event was one of the lobby's.
    bool LobbyEvent(QEvent* event);
    void HandleGameServerEvent(int code, const std::string& text);
    void InvitedByOpponent();
    void StartNetworkGame();
    // Returns whether event was WM_DISPATCH.
    bool DispatchEvent(QEvent* event);
    // The game-over dialog of a network match logs the match and mails the result.
    void SetUpMatchReporting();
    void miChatOnTopClick(bool checked);

    // NetworkView.
    void OpenChat() override;
    void CloseMatchWindows() override;
    void AddChatLine(const std::string& line, bool received) override;
    void ShowRuleDifferences(const std::vector<RuleDifference>& differences) override;
    void HideRuleDifferences() override;
    void ShowConnectionStatus(const std::string& text) override;
    void EnableMatchCommands(bool matchRunning) override;
    void LeaveGameServer() override;
    // "Lobby Active" shows while the player stays available with the lobby window closed.
    void ShowLobbyActive();

    void FormCreate();
    void ReadWindowSettings();
    void PlaceWindow();
    // Sizes the window for a layout: maximised with its maximise box when the layout fills the
    // screen's width, else fixed at the layout's size.
    void SizeWindow(int resolution, bool maximised);
    // After a game saved at another layout and after Customize: window, cards and images follow
    // table_.Resolution; the status bar follows its option.
    void ApplyScreenLayout();
    CustomizeSettings CurrentCustomizeSettings() const;
    void ApplyCustomize(const CustomizeSettings& values, const Players& players);
    void BuildMenus();
    void BuildStatusBar();
    void BuildCardImages();
    void ShowHallOfFame(int level, int kind, int row);
    void UpdateStatusPanels();
    void DisplayHint(const QString& hint);
    void FormDestroy();
    // Every call into the engine goes through here: a close asked for meanwhile waits until the
    // outermost call has returned. Menu commands and buttons let a card armed by a first right
    // click go; the table's own mouse and keys, and what arrives from the peer, leave that to
    // the engine.
    void RunEngine(const std::function<void()>& operation, bool tablePlay = false);
    // What arrives from outside (received moves, a lost connection) runs between the engine's
    // actions: now, or once the running one is over when one of its pauses let it through.
    void RunEngineWhenIdle(std::function<void()> operation);
    void FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
    // After a menu's hint: the turn's prompt comes back (on the next mouse move over the table
    // and when a menu closes).
    void RestorePrompt();
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

    SettingsStore& settings_;
    StartOptions options_;
    QtDialogs dialogs_;
    HttpClient http_;
    QtGameServer gameServer_;
    GameServerPeerLink peer_{gameServer_, [this] { return table_.PeerName; }};
    QtClock clock_;
    Random random_;
    QtSounds sounds_;
    MidiPlayer music_;
    StoredStatistics statistics_;
    Table table_;
    TableFlow flow_;
    ComputerOpponent computer_;
    WebGameServerAddress gameServerAddress_{http_, settings_};
    Lobby lobby_{gameServer_, *this, gameServerAddress_, *this, dialogs_, settings_};
    TfmLobbyGS* lobbyWindow_ = nullptr;
    NetworkGame network_{table_, *this};
    // Outlives the windows it watches.
    ModalStepBack stepBack_;
    std::unique_ptr<TfmChat> chat_;
    std::unique_ptr<TfmRuleDifferences> ruleDifferences_;

    CardImages cards_;
    QColor background_;
    CardBacks cardBacks_;
    int largestLayout_ = 3;
    bool showStatusbar_ = true;
    bool autosave_ = true;
    bool selectPlayerOnStartup_ = true;
    bool showHighscores_ = true;
    bool cardMovement_ = true;
    int cardSpeed_ = 10;
    bool transientStatus_ = false;

    int engineDepth_ = 0;
    std::vector<std::function<void()>> idleWork_;
    bool closePending_ = false;
    bool closing_ = false;
    bool programEnded_ = false;
    bool moving_ = false;
    bool hourglass_ = false;
    bool statusError_ = false;
    int helpSoundCounter_ = 0;

    TableCanvas* canvas_ = nullptr;
    QLabel* pnStatusbar_ = nullptr;
    QLabel* pnPCurrScore_ = nullptr;
    QLabel* pnPCurrMeld_ = nullptr;
    QLabel* pnCCurrScore_ = nullptr;
    QLabel* pnCCurrMeld_ = nullptr;
    QLabel* pnLobbyActive_ = nullptr;
    QPushButton* bnEndHand_ = nullptr;
    QAction* miUndoMeld_ = nullptr;
    QAction* miUndoAll_ = nullptr;
    QAction* miRules_ = nullptr;
    QAction* miLobby_ = nullptr;
    QAction* miDisconnect_ = nullptr;
    QAction* miChatOnTop_ = nullptr;
    QAction* miRuleDifferences_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    QTimer tmLED_;
    QTimer tmSplash_;
};

}  // namespace tavolex
