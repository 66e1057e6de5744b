// Who is online, who is in which room, and where a frame for a user or a room goes. The lobby
// reaches this state through this interface alone, so that several server processes can later
// share it (see the README) without the lobby changing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "participant.h"

namespace tavolex::server {

struct Room {
    std::string name;
    std::string gameId;
    std::string owner;       // nickname of the creator; empty for a game's default lobby room
    bool permanent = false;  // a default lobby room outlives its last member
};

class Presence {
  public:
    virtual ~Presence() = default;

    // Users, by nickname compared without regard to case. A user is online in one game.
    virtual Participant* FindUser(std::string_view nickname) = 0;
    virtual void SetOnline(std::string_view nickname, std::string_view gameId,
                           Participant& participant) = 0;
    virtual void SetOffline(std::string_view nickname) = 0;
    // The game the user is logged in to; empty when offline.
    virtual std::string GameOf(std::string_view nickname) = 0;

    // Rooms, by exact name. Members are nicknames in the order they entered.
    virtual const Room* FindRoom(std::string_view name) = 0;
    virtual void CreateRoom(Room room) = 0;
    virtual void RemoveRoom(std::string_view name) = 0;
    virtual void Enter(std::string_view room, std::string_view nickname) = 0;
    // Returns how many members stay in the room.
    virtual std::size_t Leave(std::string_view room, std::string_view nickname) = 0;
    virtual std::vector<std::string> Members(std::string_view room) = 0;
    virtual std::vector<std::string> RoomsOfGame(std::string_view gameId) = 0;

    // Delivery: to one user (false when not online), to a room's members, to a game's users.
    virtual bool DeliverToUser(std::string_view nickname, std::string_view frame) = 0;
    virtual void DeliverToRoom(std::string_view room, std::string_view frame,
                               std::string_view except = {}) = 0;
    virtual void DeliverToGame(std::string_view gameId, std::string_view frame,
                               std::string_view except = {}) = 0;
};

}  // namespace tavolex::server
