// Sends one game message to the peer of a network game; does nothing when none runs.
#pragma once

#include <string>

namespace tavolex {

enum PeerToken : int {
    kTokenChat = 3,
    kTokenPlayerId = 4,
    kTokenDeal = 5,
    kTokenMeld = 6,
    kTokenUndoMeld = 7,
    kTokenDiscard = 8,
    kTokenDrawNew = 9,
    kTokenDrawPileTop = 10,
    kTokenDrawPileRest = 11,
    kTokenUndoPile = 12,
    kTokenMeldWildcard = 13,
    kTokenDiscardRedThree = 14,
    kTokenPassDiscard = 15,
    kTokenRules = 16,
    kTokenNewGame = 17,
    kTokenHandOver = 18,
    kTokenLoadGame = 20,
};

// Separates the fields of a message's parameters.
constexpr char kFieldSeparator = static_cast<char>(0xFE);

class PeerLink {
  public:
    virtual ~PeerLink() = default;
    virtual void SendToken(int token, const std::string& parameters) = 0;
};

}  // namespace tavolex
