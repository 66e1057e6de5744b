// Received text: whole messages are cut off the buffer's front and applied one by one. Each
// token takes the number of fields it has; what follows them is read as tokens in turn, so a
// stray word is reported and the moves around it still count.
#include "game/dialogs.h"
#include "game/peer_codes.h"
#include "game/peer_link.h"
#include "game/table.h"
#include "network/network_game.h"
#include "network/peer_message.h"
#include "network/remote_opponent.h"

namespace tavolex {

namespace {

constexpr int kRulesFields = 13;
constexpr int kLoadGameFields = 13;  // twelve segments and the turn numbers

int FieldCount(int token) {
    switch (token) {
        case kTokenChat:
        case kTokenDeal:
        case kTokenMeld:
        case kTokenUndoMeld:
        case kTokenDiscard:
        case kTokenDiscardRedThree:
            return 1;
        case kTokenPlayerId:
        case kTokenMeldWildcard:
            return 2;
        case kTokenRules:
            return kRulesFields;
        case kTokenLoadGame:
            return kLoadGameFields;
        default:
            return 0;
    }
}

// The token's own message, rebuilt from its word and as many fields as it takes.
std::string CutTokenMessage(std::string_view word, int token, std::string_view& rest) {
    std::string message(word);
    message += kFieldSeparator;
    for (int field = 0; field < FieldCount(token); ++field) {
        if (field > 0) message += kFieldSeparator;
        message += NextField(rest);
    }
    message += kMessageEnd;
    return message;
}

// The text after the sender's name up to the carriage return, without surrounding blanks.
std::string_view CommandOf(std::string_view eventText) {
    const size_t space = eventText.find(' ');
    if (space == std::string_view::npos) return {};
    std::string_view command = eventText.substr(space + 1);
    command = command.substr(0, command.find('\r'));
    const size_t first = command.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return command.substr(first, command.find_last_not_of(" \t") - first + 1);
}

}  // namespace

void NetworkGame::ReceiveGameCommand(std::string_view eventText) {
    Receive(CommandOf(eventText));
}

void NetworkGame::Receive(std::string_view commandText) {
    ReceiveBuffer += commandText;
    if (!table_.DispatchSuspended) table_.view.PostDispatch();
}

void NetworkGame::DispatchReceived() {
    if (dispatching_) return;
    dispatching_ = true;
    while (table_.NetworkActive && !table_.DispatchSuspended) {
        const size_t end = ReceiveBuffer.find(kMessageEnd);
        if (end == std::string::npos) break;
        const std::string whole = ReceiveBuffer.substr(0, end + 1);
        ReceiveBuffer.erase(0, end + 1);
        std::string_view rest(whole);
        while (table_.NetworkActive && !rest.empty()) {
            const std::string_view word = NextField(rest);
            const int token = TokenIndex(word);
            if (token == kTokenUnknown) {
                table_.dialogs.Warning("Unknown token: " + whole);
            } else {
                const DecodedMessage decoded =
                    DecodePeerMessage(CutTokenMessage(word, token, rest));
                if (!decoded.message || !Apply(*decoded.message)) {
                    table_.dialogs.Warning("Invalid message: " + whole);
                }
            }
            if (!rest.empty() && rest.front() == kMessageEnd) rest.remove_prefix(1);
        }
    }
    dispatching_ = false;
}

bool NetworkGame::Apply(const PeerMessage& message) {
    switch (message.token) {
        case kTokenChat:
            Chat(message.text);
            return true;
        case kTokenPlayerId:
            HandShake(message);
            return true;
        case kTokenRules:
            CompareWith(RulesString(message.rules));
            return true;
        default:
            return ApplyRemoteMove(table_, message);
    }
}

}  // namespace tavolex
