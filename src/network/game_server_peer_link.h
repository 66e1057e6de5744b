// The peer link of a network game: each message goes to the opponent as a private game command
// of the game server, addressed to the opponent's nickname.
#pragma once

#include <functional>
#include <string>

#include "game/peer_link.h"

namespace tavolex {

class GameServer;

class GameServerPeerLink : public PeerLink {
  public:
    // addressee: the opponent's nickname as it stands when a message is sent (the handshake may
    // still change it).
    GameServerPeerLink(GameServer& server, std::function<std::string()> addressee)
        : server_(server), addressee_(std::move(addressee)) {}

    // Sends the framed message; nothing is checked or resent.
    void SendToken(int token, const std::string& parameters) override;

  private:
    GameServer& server_;
    std::function<std::string()> addressee_;
};

}  // namespace tavolex
