#include "lobby/lobby_state.h"

namespace tavolex {

std::string LobbyRoomFor(uint8_t lobbyType, const std::string& privateLobbyRoom) {
    switch (lobbyType) {
        case kLobbyCompetition:
            return kLadderLobbyRoom;
        case kLobbyPrivateRoom:
            return privateLobbyRoom;
        default:
            return kPublicLobbyRoom;
    }
}

std::string GameRoomName(const std::string& invited, const std::string& inviter) {
    return kGameRoomMark + invited + "#" + inviter + "#";
}

}  // namespace tavolex
