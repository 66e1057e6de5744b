// The table window's side of the lobby: the lobby window, the game server's events and the
// question of a received invitation.
#include <QApplication>
#include <QLabel>

#include "lobby/qt/lobby_window.h"
#include "lobby/wire_format.h"
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
    TLobby& lobby = lobby_.State();
    lobby.LastEvent = text;
    const bool playing = lobby.State == kLobbyPlaying;
    // A match's moves: also while the lobby window is still closing, when the inviter's first
    // message may already be here (it waits in the buffer until the match has started).
    if (code == kEventPrivateGameCommand && playing) {
        network_.ReceiveGameCommand(text);
        return;
    }
    const bool connectionLost = code == kEventConnectionClosed || code == kEventUserLeft;
    if (lobbyWindow_ == nullptr && connectionLost && (playing || network_.Active())) {
        RunEngineWhenIdle([this, playing] { network_.ConnectionLost(playing); });
        return;
    }
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
    const NetworkMatch& match = lobby_.Match();
    RunEngine([&] {
        network_.StartNetworkGame(match.NetworkRole, match.OwnNetName, match.OpponentName);
    });
}

}  // namespace tavolex
