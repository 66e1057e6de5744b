#include "app/cli/netplay_side.h"

#include <algorithm>

#include "app/cli/game_setup.h"
#include "app/cli/level_turn.h"
#include "app/cli/random_actions.h"
#include "game/status_texts.h"
#include "game/table_invariants.h"
#include "table/deal.h"

namespace tavolex::cli {

namespace {

// Far more random actions than a hand needs to end.
constexpr long kMaxActionsPerHand = 20000;

// Until the first deal arrives the table holds no cards at all.
bool CardsOnTable(const GameState& state) {
    return state.Stock.count + state.DiscardPile.count + state.PlayerHand.count +
               state.OpponentHand.count + state.PlayerMelds.count + state.OpponentMelds.count >
           0;
}

}  // namespace

NetplaySide::NetplaySide(const Options& options, bool invited, Send send, std::ostream* digest)
    : game_(options.seed),
      network_(game_.table, networkView_),
      invited_(invited),
      send_(std::move(send)),
      level_(options.policyLevel),
      matches_(options.matches),
      matchHands_(options.matchHands) {
    ConfigureGame(game_, options);
    if (digest) digest_.emplace(*digest, invited);
}

void NetplaySide::Start(const std::string& ownName, const std::string& opponentName) {
    network_.StartNetworkGame(invited_ ? kNetworkRoleInvited : kNetworkRoleAccepted, ownName,
                              opponentName);
    AfterChange();
}

void NetplaySide::Chat(const std::string& typed) {
    network_.SendChat(typed);
    AfterChange();
}

bool NetplaySide::MayAct() const {
    const GameState& state = game_.table.state;
    return !Done() && network_.ConnectionStatus == kConnectionEstablished && CardsOnTable(state) &&
           !state.PlayerLocked && state.Prompt != kPromptHandOver;
}

void NetplaySide::Act() {
    if (newMatchDue_) {
        // File, New: the match begins anew with a fresh deal on this side.
        newMatchDue_ = false;
        StartNewGame(game_.table);
    } else if (level_) {
        violation_ = PlayLevelTurn(game_, *level_, playerSideMemory_);
    } else {
        violation_ = PlayRandomAction(game_).Fault();
        if (++actionsThisHand_ > kMaxActionsPerHand) {
            violation_ =
                "a hand went on for more than " + std::to_string(kMaxActionsPerHand) + " actions";
        }
    }
    AfterChange();
}

template <typename Append>
void NetplaySide::Arrived(Append append) {
    const std::string& buffer = network_.ReceiveBuffer;
    const size_t before = buffer.size();
    append();
    const size_t grown = buffer.size() - std::min(before, buffer.size());
    tally_.receivedBytes += static_cast<long>(grown);
    tally_.receivedMessages += std::count(buffer.end() - grown, buffer.end(), kMessageEnd);
    AfterChange();
}

void NetplaySide::Receive(const std::string& command) {
    Arrived([&] { network_.Receive(command); });
}

void NetplaySide::ReceiveEvent(const std::string& eventText) {
    Arrived([&] { network_.ReceiveGameCommand(eventText); });
}

long NetplaySide::DispatchedMessages() const {
    const auto waiting =
        std::count(network_.ReceiveBuffer.begin(), network_.ReceiveBuffer.end(), kMessageEnd);
    return tally_.receivedMessages - static_cast<long>(waiting);
}

void NetplaySide::TakeRecords() {
    HeadlessDialogs& dialogs = game_.dialogs;
    for (const HeadlessDialogs::Message& message : dialogs.messages) {
        if (message.text.starts_with("Invalid message: ") ||
            message.text.starts_with("Unknown token: ")) {
            ++tally_.refusedMessages;
        }
    }
    for (size_t hand = 0; hand < dialogs.scorings.size(); ++hand) {
        ++tally_.hands;
        ++handsThisMatch_;
        actionsThisHand_ = 0;
    }
    if (!dialogs.gameOvers.empty()) {
        tally_.matches += static_cast<long>(dialogs.gameOvers.size());
        handsThisMatch_ = 0;
        newMatchDue_ = false;
    } else if (matchHands_ > 0 && handsThisMatch_ >= matchHands_) {
        // Both sides count the same hands; the inviter starts the next match on its turn.
        ++tally_.matches;
        handsThisMatch_ = 0;
        newMatchDue_ = invited_ && !Done();
    }
}

void NetplaySide::AfterChange() {
    // The window would dispatch on the message it posted; here every change does.
    if (!game_.table.DispatchSuspended) network_.DispatchReceived();
    for (const HeadlessPeer::Sent& sent : game_.peer.sent) {
        const std::string message = FrameMessage(sent.token, sent.parameters);
        ++tally_.sentMessages;
        tally_.sentBytes += static_cast<long>(message.size());
        ++tally_.sentKinds[sent.token];
        send_(message);
    }
    if (Done()) return game_.ForgetRecords();
    TakeRecords();
    if (!violation_ && CardsOnTable(game_.table.state)) {
        if (std::string broken = CheckTableInvariants(game_.table); !broken.empty()) {
            violation_ = std::move(broken);
        } else if (game_.view.closed) {
            violation_ = "the program was asked to close";
        }
    }
    if (digest_) {
        const long received = DispatchedMessages();
        digest_->Write(invited_ ? ExchangePoint{tally_.sentMessages, received}
                                : ExchangePoint{received, tally_.sentMessages},
                       game_.table);
    }
    game_.ForgetRecords();
    networkView_.chatLines.clear();
}

}  // namespace tavolex::cli
