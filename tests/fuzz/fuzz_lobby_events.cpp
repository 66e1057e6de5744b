// Any sequence of game-server events, as a hostile server or peer could send them, goes
// through the lobby, window shown or hidden, and answers to invitations in between, without
// a crash; the lobby's state stays one of its seven and a match names its two players.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>

#include "../lobby/scripted_lobby.h"

namespace {

constexpr int kCodes[] = {1991, 1992, 2040, 2050, 2051, 2052, 2070, 2071, 2072, 2074, 2100,
                          2101, 2110, 2111, 2112, 2121, 2121, 2121, 2150, 2400, 4040, 4060,
                          4061, 4064, 4072, 4073, 4075, 4150, 4152, 4153, 4210, 4220, 4230};

}  // namespace

// Each event: one byte choosing the code (and a few actions), then its text up to a zero byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tavolex::LobbyFixture f("anna");
    const auto* bytes = reinterpret_cast<const char*>(data);
    const std::string input(bytes, size);
    for (size_t at = 0; at < input.size();) {
        const auto choice = static_cast<unsigned char>(input[at++]);
        const size_t end = std::min(input.find('\0', at), input.size());
        const std::string text = input.substr(at, end - at);
        at = end + 1;
        constexpr size_t kCount = std::size(kCodes);
        if (choice < kCount) {
            f.lobby.GameServerEvent(kCodes[choice], text + "\r");
        } else if (choice == kCount) {
            f.lobby.Invite(text);
        } else if (choice == kCount + 1) {
            f.lobby.Cancel();
        } else if (choice == kCount + 2) {
            f.dialogs.defaultYesNo = !text.empty();
            f.lobby.AnswerInvitation();
        } else if (choice == kCount + 3) {
            f.lobby.AttachView(f.lobby.State().State % 2 ? nullptr : &f.view);
        } else if (choice == kCount + 4) {
            f.lobby.Login({text, static_cast<uint8_t>(text.size() % 3), text});
        }
        const tavolex::TLobby& lobby = f.lobby.State();
        if (lobby.State > tavolex::kLobbyPlaying) std::abort();
        if (lobby.State == tavolex::kLobbyPlaying &&
            f.lobby.Match().NetworkRole == tavolex::kNoNetworkGame)
            std::abort();
    }
    return 0;
}
