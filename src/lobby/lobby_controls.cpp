#include "lobby/lobby_controls.h"

namespace tavolex {

LobbyControls ControlsFor(const TLobby& lobby, const std::string& nicknameField,
                          const std::string& selectedPlayer) {
    const bool offline = lobby.State == kLobbyOffline;
    const bool available = lobby.State == kLobbyAvailable;
    LobbyControls controls;
    controls.loginEnabled = offline && nicknameField.size() >= 2;
    controls.logoutEnabled = available;
    controls.closeEnabled = offline || available;
    controls.closeCaption = available ? "Hide, stay avai&lable" : "C&lose";
    controls.inviteEnabled =
        available && !selectedPlayer.empty() && selectedPlayer != lobby.Nickname;
    controls.stopWaitingEnabled = lobby.State == kLobbyInviting;
    controls.nicknameEnabled = offline;
    controls.privateLobbyEnabled = offline && lobby.LobbyType == kLobbyPrivateRoom;
    controls.privateLobbyColour =
        controls.privateLobbyEnabled ? LobbyColour::kWindow : LobbyColour::kButtonFace;
    controls.chatColour = available ? LobbyColour::kBackground : LobbyColour::kButtonFace;
    return controls;
}

bool LobbyMayClose(uint8_t state) {
    return state == kLobbyOffline || state == kLobbyAvailable || state == kLobbyPlaying;
}

}  // namespace tavolex
