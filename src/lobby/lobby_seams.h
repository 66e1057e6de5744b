// What the lobby's logic asks of the program around it: the lobby window while it is shown,
// the table window for the invitation question, and the web lookup of the game server.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lobby/web_services.h"

namespace tavolex {

// The lobby window (TfmLobbyGS). Attached to the Lobby while the window exists.
class LobbyView {
  public:
    virtual ~LobbyView() = default;
    virtual void AddChatLine(const std::string& line) = 0;  // appended to mmChat
    virtual void ClearChat() = 0;
    // The whole content of lbLobby ("Available Players"); keep the selection when its player
    // is still listed.
    virtual void ShowAvailablePlayers(const std::vector<std::string>& players) = 0;
    // The whole content of lbCurrentMatches ("Now Playing"), lines "A - B".
    virtual void ShowNowPlaying(const std::vector<std::string>& matches) = 0;
    // Recompute and apply ControlsFor(lobby.State(), edNickname's text, the selected player).
    virtual void UpdateControls() = 0;
    virtual void SetBusyCursor(bool busy) = 0;  // the hourglass during login
    virtual void FocusChatInput() = 0;
    // A match was arranged: close the window with the OK result; the table window then calls
    // Lobby::StartNetworkGame.
    virtual void CloseWithOk() = 0;
};

// The table window's part in an invitation.
class LobbyHost {
  public:
    virtual ~LobbyHost() = default;
    // Post WM_INVITED (event 2028) to the table window; its handler beeps with the question
    // sound, brings the program to the front and calls Lobby::AnswerInvitation.
    virtual void PostInvited() = 0;
};

// The web lookup of the game server's address ("/lobby/gameserver.txt").
class GameServerAddressSource {
  public:
    virtual ~GameServerAddressSource() = default;
    // Nothing when the request failed; an empty server and port 0 when the web server had no
    // data.
    virtual std::optional<GameServerAddress> FetchGameServerAddress() = 0;
};

}  // namespace tavolex
