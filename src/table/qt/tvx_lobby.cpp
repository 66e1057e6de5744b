// The table window's side of the lobby: the lobby window, the game server's events and the
// question of a received invitation.
#include <QApplication>
#include <QLabel>

#include "lobby/qt/lobby_window.h"
#include "table/qt/tvx_main.h"

namespace tavolex {

namespace {

// WM_INVITED: a received invitation waits for the player's answer.
constexpr QEvent::Type kInvitedEvent = static_cast<QEvent::Type>(2028);

}  // namespace

void TfmTvxMain::OpenLobby(bool autoLogin) {
    table_.SavedComputerLevel = table_.ComputerLevel;
    table_.DispatchSuspended = 1;
    // The proxy of "Network Play Settings" counts from the next login on.
    if (lobby_.State().State == kLobbyOffline) http_.TakeOverProxySettings(settings_);
    {
        TfmLobbyGS window(lobby_, settings_, statistics_.CurrentPlayerName(), this);
        window.SetAutoLogin(autoLogin);
        lobbyWindow_ = &window;
        const bool matchArranged = window.exec() == QDialog::Accepted;
        lobbyWindow_ = nullptr;
        if (matchArranged) StartNetworkGame();
        ShowLobbyActive();
    }
    table_.DispatchSuspended = 0;
    PostDispatch();
}

void TfmTvxMain::ShowLobbyActive() {
    pnLobbyActive_->setVisible(lobby_.State().State == kLobbyAvailable);
}

void TfmTvxMain::PostGameServerEvent(int code, const std::string& text) {
    QCoreApplication::postEvent(this, new GameServerEvent(code, text));
}

void TfmTvxMain::PostInvited() {
    QCoreApplication::postEvent(this, new QEvent(kInvitedEvent));
}

bool TfmTvxMain::LobbyEvent(QEvent* event) {
    if (event->type() == GameServerEvent::kType) {
        const auto* received = static_cast<GameServerEvent*>(event);
        HandleGameServerEvent(received->code, received->text);
        return true;
    }
    if (event->type() == kInvitedEvent) {
        InvitedByOpponent();
        return true;
    }
    return false;
}

void TfmTvxMain::HandleGameServerEvent(int code, const std::string& text) {
    lobby_.State().LastEvent = text;
    // A match's moves: they wait for network play, which takes them from here.
    if (lobbyWindow_ == nullptr && code == 2121 && lobby_.State().State == kLobbyPlaying) return;
    const bool matchArranged = lobby_.GameServerEvent(code, text);
    // With the lobby window open, it closes with OK and OpenLobby starts the match.
    if (lobbyWindow_ != nullptr) return;
    if (matchArranged) StartNetworkGame();
    ShowLobbyActive();
}

void TfmTvxMain::InvitedByOpponent() {
    QApplication::beep();
    if (isMinimized()) showNormal();
    // The lobby window, when open, stays above the table.
    for (QWidget* window : {static_cast<QWidget*>(this), static_cast<QWidget*>(lobbyWindow_)}) {
        if (window == nullptr) continue;
        window->raise();
        window->activateWindow();
    }
    lobby_.AnswerInvitation();
    if (lobbyWindow_ == nullptr) ShowLobbyActive();
}

void TfmTvxMain::StartNetworkGame() {
    lobby_.StartNetworkGame();
    ShowLobbyActive();
}

}  // namespace tavolex
