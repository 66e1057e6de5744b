// "Tavolex Online Lobby": log in to the game server, chat in the lobby room, see who is
// available and who plays whom, and invite a player. Modal over the table window; the lobby's
// decisions are Lobby's, this window shows them and hands it the user's actions.
#pragma once

#include <QColor>
#include <QDialog>
#include <string>

#include "lobby/lobby.h"

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tavolex {

class SettingsStore;

class TfmLobbyGS : public QDialog, public LobbyView {
    Q_OBJECT
  public:
    // currentPlayer: the nickname proposed until one has been stored.
    TfmLobbyGS(Lobby& lobby, SettingsStore& settings, const std::string& currentPlayer,
               QWidget* parent = nullptr);
    ~TfmLobbyGS() override;

    // The "/ip:" start-up: log in as soon as the window shows.
    void SetAutoLogin(bool autoLogin) { autoLogin_ = autoLogin; }

    // LobbyView.
    void AddChatLine(const std::string& line) override;
    void ClearChat() override;
    void ShowAvailablePlayers(const std::vector<std::string>& players) override;
    void ShowNowPlaying(const std::vector<std::string>& matches) override;
    void UpdateControls() override;
    void SetBusyCursor(bool busy) override;
    void FocusChatInput() override;
    void CloseWithOk() override;

    // Closing by the close button, the title bar or Escape waits for a state that allows it.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void ReadSettings();
    void WriteSettings();
    LobbyForm Form() const;
    std::string SelectedPlayer() const;
    void ApplyFont(const QFont& font);
    void edNicknameExit();
    void btInviteClick();
    void btSendChatClick();
    void mmChatFontClick();
    void mmChatColorClick();
    void CopyToClipboardClick();

    Lobby& lobby_;
    SettingsStore& settings_;
    std::string currentPlayer_;
    bool autoLogin_ = false;
    bool busyCursor_ = false;
    QColor backgroundColor_;

    QLineEdit* edNickname_ = nullptr;
    QPushButton* btLogin_ = nullptr;
    QButtonGroup* rgLobbyType_ = nullptr;
    QLineEdit* edPrivateLobby_ = nullptr;
    QPlainTextEdit* mmChat_ = nullptr;
    QLineEdit* edChat_ = nullptr;
    QPushButton* btSendChat_ = nullptr;
    QListWidget* lbLobby_ = nullptr;
    QListWidget* lbCurrentMatches_ = nullptr;
    QPushButton* btInvite_ = nullptr;
    QPushButton* btStopWaiting_ = nullptr;
    QPushButton* btLogout_ = nullptr;
    QPushButton* btClose_ = nullptr;
};

}  // namespace tavolex
