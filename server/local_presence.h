// Presence held in this process's memory: the one-process server's directory and router.
#pragma once

#include <map>
#include <unordered_map>
#include <unordered_set>

#include "presence.h"

namespace tavolex::server {

class LocalPresence : public Presence {
  public:
    Participant* FindUser(std::string_view nickname) override;
    void SetOnline(std::string_view nickname, std::string_view gameId,
                   Participant& participant) override;
    void SetOffline(std::string_view nickname) override;
    std::string GameOf(std::string_view nickname) override;

    const Room* FindRoom(std::string_view name) override;
    void CreateRoom(Room room) override;
    void RemoveRoom(std::string_view name) override;
    void Enter(std::string_view room, std::string_view nickname) override;
    std::size_t Leave(std::string_view room, std::string_view nickname) override;
    std::vector<std::string> Members(std::string_view room) override;
    std::vector<std::string> RoomsOfGame(std::string_view gameId) override;

    bool DeliverToUser(std::string_view nickname, std::string_view frame) override;
    void DeliverToRoom(std::string_view room, std::string_view frame,
                       std::string_view except) override;
    void DeliverToGame(std::string_view gameId, std::string_view frame,
                       std::string_view except) override;

  private:
    struct OnlineUser {
        std::string gameId;
        Participant* participant;
    };
    struct RoomState {
        Room room;
        std::vector<std::string> members;
    };

    std::unordered_map<std::string, OnlineUser> users_;  // by nickname key
    std::unordered_map<std::string, std::unordered_set<std::string>> gameUsers_;
    std::map<std::string, RoomState, std::less<>> rooms_;
};

}  // namespace tavolex::server
