// Which of the lobby window's controls are enabled, how the close button reads and which colour
// the chat and the private-room field take, from the lobby's state alone.
#pragma once

#include <string>

#include "lobby/lobby_state.h"

namespace tavolex {

enum class LobbyColour {
    kWindow,      // the system's window colour
    kButtonFace,  // the system's button-face colour (a disabled look)
    kBackground,  // the user's chosen BackgroundColor
};

struct LobbyControls {
    bool loginEnabled = false;        // btLogin
    bool logoutEnabled = false;       // btLogout
    bool closeEnabled = false;        // btClose
    std::string closeCaption;         // "Hide, stay avai&lable" or "C&lose"
    bool inviteEnabled = false;       // btInvite (and the double-click on a player)
    bool stopWaitingEnabled = false;  // btStopWaiting
    bool nicknameEnabled = false;     // edNickname
    bool privateLobbyEnabled = false;
    LobbyColour privateLobbyColour = LobbyColour::kButtonFace;  // edPrivateLobby
    LobbyColour chatColour = LobbyColour::kButtonFace;          // mmChat and edChat
    LobbyColour listColour = LobbyColour::kBackground;          // lbLobby, lbCurrentMatches
};

// nicknameField: the text of edNickname now; selectedPlayer: the player selected in lbLobby,
// empty when none.
LobbyControls ControlsFor(const TLobby& lobby, const std::string& nicknameField,
                          const std::string& selectedPlayer);

// The window may be closed (by its close button or the title bar) only in these states.
bool LobbyMayClose(uint8_t state);

}  // namespace tavolex
