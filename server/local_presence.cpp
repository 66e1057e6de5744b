#include "local_presence.h"

#include <algorithm>

#include "names.h"

namespace tavolex::server {

Participant* LocalPresence::FindUser(std::string_view nickname) {
    const auto found = users_.find(NicknameKey(nickname));
    return found == users_.end() ? nullptr : found->second.participant;
}

void LocalPresence::SetOnline(std::string_view nickname, std::string_view gameId,
                              Participant& participant) {
    std::string key = NicknameKey(nickname);
    gameUsers_[std::string(gameId)].insert(key);
    users_[std::move(key)] = {std::string(gameId), &participant};
}

void LocalPresence::SetOffline(std::string_view nickname) {
    const auto found = users_.find(NicknameKey(nickname));
    if (found == users_.end()) return;
    const auto game = gameUsers_.find(found->second.gameId);
    game->second.erase(found->first);
    if (game->second.empty()) gameUsers_.erase(game);
    users_.erase(found);
}

std::string LocalPresence::GameOf(std::string_view nickname) {
    const auto found = users_.find(NicknameKey(nickname));
    return found == users_.end() ? std::string() : found->second.gameId;
}

const Room* LocalPresence::FindRoom(std::string_view name) {
    const auto found = rooms_.find(name);
    return found == rooms_.end() ? nullptr : &found->second.room;
}

void LocalPresence::CreateRoom(Room room) {
    std::string name = room.name;
    rooms_.emplace(std::move(name), RoomState{std::move(room), {}});
}

void LocalPresence::RemoveRoom(std::string_view name) {
    const auto found = rooms_.find(name);
    if (found != rooms_.end()) rooms_.erase(found);
}

void LocalPresence::Enter(std::string_view room, std::string_view nickname) {
    const auto found = rooms_.find(room);
    if (found != rooms_.end()) found->second.members.emplace_back(nickname);
}

std::size_t LocalPresence::Leave(std::string_view room, std::string_view nickname) {
    const auto found = rooms_.find(room);
    if (found == rooms_.end()) return 0;
    std::vector<std::string>& members = found->second.members;
    const std::string key = NicknameKey(nickname);
    std::erase_if(members, [&](const std::string& member) { return NicknameKey(member) == key; });
    return members.size();
}

std::vector<std::string> LocalPresence::Members(std::string_view room) {
    const auto found = rooms_.find(room);
    return found == rooms_.end() ? std::vector<std::string>{} : found->second.members;
}

std::vector<std::string> LocalPresence::RoomsOfGame(std::string_view gameId) {
    std::vector<std::string> names;
    for (const auto& [name, state] : rooms_) {
        if (state.room.gameId == gameId) names.push_back(name);
    }
    return names;
}

bool LocalPresence::DeliverToUser(std::string_view nickname, std::string_view frame) {
    Participant* participant = FindUser(nickname);
    if (participant) participant->Deliver(frame);
    return participant != nullptr;
}

void LocalPresence::DeliverToRoom(std::string_view room, std::string_view frame,
                                  std::string_view except) {
    const std::string exceptKey = NicknameKey(except);
    for (const std::string& member : Members(room)) {
        if (except.empty() || NicknameKey(member) != exceptKey) DeliverToUser(member, frame);
    }
}

void LocalPresence::DeliverToGame(std::string_view gameId, std::string_view frame,
                                  std::string_view except) {
    const auto game = gameUsers_.find(std::string(gameId));
    if (game == gameUsers_.end()) return;
    const std::string exceptKey = NicknameKey(except);
    for (const std::string& key : game->second) {
        if (key == exceptKey) continue;
        const auto user = users_.find(key);
        if (user != users_.end()) user->second.participant->Deliver(frame);
    }
}

}  // namespace tavolex::server
