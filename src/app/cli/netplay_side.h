// One side of a network match on a headless table: its own moves through the player's input
// path, the messages it sends framed as on the wire, the received ones through the real
// receivers, a digest line whenever its point in the exchange moves on, the table checked after
// every change, and the matches counted. The command line's netplay and the tests that join two
// tables back to back share it.
#pragma once

#include <array>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "app/cli/arguments.h"
#include "app/cli/mirror_digest.h"
#include "game/computer_memory.h"
#include "network/network_game.h"
#include "network/peer_message.h"
#include "table/headless_game.h"

namespace tavolex::cli {

struct NetplayTally {
    long sentMessages = 0;
    long sentBytes = 0;
    long receivedMessages = 0;
    long receivedBytes = 0;
    std::array<long, kTokenWordCount> sentKinds{};  // by token
    long refusedMessages = 0;  // received messages the receivers refused as invalid or unknown
    long hands = 0;
    long matches = 0;
};

class NetplaySide {
  public:
    // send: hands one whole message on to the peer.
    using Send = std::function<void(const std::string& message)>;
    // The policy (options.policyLevel: a level, otherwise random actions), the seed, the rules
    // and the matches to play come from the options; digest, when given, gets the lines.
    NetplaySide(const Options& options, bool invited, Send send, std::ostream* digest);

    // The invitation succeeded: the match starts with these names.
    void Start(const std::string& ownName, const std::string& opponentName);
    // A chat line, as typed into the chat window.
    void Chat(const std::string& typed);
    // Whether a hand has been dealt, it is this side's turn and it still has matches to play.
    bool MayAct() const;
    // Plays one action (monkey) or one whole turn (a level).
    void Act();
    // One received command (a whole message or a part of one).
    void Receive(const std::string& command);
    // Game-server event 2121 while the match runs: the sender, a space and the command.
    void ReceiveEvent(const std::string& eventText);

    bool Done() const { return tally_.matches >= matches_ || violation_.has_value(); }
    const std::optional<std::string>& Violation() const { return violation_; }
    const NetplayTally& Tally() const { return tally_; }
    HeadlessGame& Game() { return game_; }
    NetworkGame& Network() { return network_; }

    // After every change, also one made on Game() from outside: dispatches what waits, sends
    // what the table sent, counts hands and matches, checks the table, writes the digest line
    // and empties the seams' logs.
    void AfterChange();

  private:
    // Counts the hands, the matches and the refused messages the seams recorded.
    void TakeRecords();
    // Counts what arrived (the buffer's growth) and dispatches it.
    template <typename Append>
    void Arrived(Append append);
    long DispatchedMessages() const;

    HeadlessGame game_;
    HeadlessNetworkView networkView_;
    NetworkGame network_;
    ComputerMemory playerSideMemory_;
    bool invited_;
    Send send_;
    std::optional<DigestWriter> digest_;
    std::optional<uint8_t> level_;
    long matches_;
    int matchHands_;
    int handsThisMatch_ = 0;
    bool newMatchDue_ = false;
    long actionsThisHand_ = 0;
    NetplayTally tally_;
    std::optional<std::string> violation_;
};

}  // namespace tavolex::cli
