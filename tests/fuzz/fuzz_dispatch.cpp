// Any bytes received from the peer in a running match, dispatched: nothing may crash, and every
// message applied or refused must leave the table whole (every card once, columns and tallies
// in order).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "computer/computer_turn.h"
#include "game/peer_link.h"
#include "game/table_invariants.h"
#include "network/network_game.h"
#include "network/peer_message.h"
#include "table/headless_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavolex;
    HeadlessGame game(size);
    HeadlessNetworkView view;
    NetworkGame net(game.table, view);
    ComputerOpponent computer;
    game.table.opponent = &computer;
    // The inviting side: the handshake deals the first hand.
    net.StartNetworkGame(kNetworkRoleInvited, "ann", "bob");
    net.Receive(FrameMessage(kTokenPlayerId, std::string("bob") + kFieldSeparator + "501"));
    net.DispatchReceived();

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Fed in two parts, so messages also arrive split.
    for (const std::string_view part : {bytes.substr(0, size / 2), bytes.substr(size / 2)}) {
        net.Receive(part);
        net.DispatchReceived();
        if (const std::string broken = CheckTableInvariants(game.table); !broken.empty()) {
            std::fprintf(stderr, "%s\n", broken.c_str());
            std::abort();
        }
    }
    return 0;
}
