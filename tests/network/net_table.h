// A headless table in a running network match, and the messages its peer would send, written
// with card names.
#pragma once

#include <string>

#include "computer/computer_turn.h"
#include "game/peer_link.h"
#include "network/network_game.h"
#include "network/peer_message.h"
#include "position.h"

namespace tavolex::test {

struct NetTable : HeadlessGame {
    HeadlessNetworkView netView;
    NetworkGame net{table, netView};
    ComputerOpponent computer;

    // "ann" accepted "bob"'s invitation and the handshake is done.
    NetTable() {
        table.opponent = &computer;
        net.StartNetworkGame(kNetworkRoleAccepted, "ann", "bob");
        Get(FrameMessage(kTokenPlayerId, std::string("bob") + kFieldSeparator + "501"));
        ForgetRecords();
        netView.chatLines.clear();
    }
    // The position with the remote player to move.
    void RemoteTurn(const Position& position) {
        BuildPosition(*this, position);
        state().PlayerLocked = 1;
        state().OpponentPhase = 0;
        table.SetPrompt(8);
    }
    void Get(const std::string& text) {
        net.Receive(text);
        net.DispatchReceived();
    }
    std::string Warnings() const {
        std::string all;
        for (const auto& message : dialogs.messages)
            if (message.kind == "warning") all += message.text + "|";
        return all;
    }
};

inline std::string Id(const std::string& name) {
    return std::to_string(*CardIdFromName(name));
}
inline std::string Message(int token, const std::string& parameters = {}) {
    return FrameMessage(token, parameters);
}

}  // namespace tavolex::test
