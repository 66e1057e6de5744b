#include "network/game_server_peer_link.h"

#include "lobby/game_server.h"
#include "network/peer_message.h"

namespace tavolex {

void GameServerPeerLink::SendToken(int token, const std::string& parameters) {
    server_.GS_PrivateGameCommand(addressee_(), FrameMessage(token, parameters));
}

}  // namespace tavolex
