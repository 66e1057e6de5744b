// Message boxes and the game's modal dialogs; each returns the user's answer.
#pragma once

#include <optional>
#include <string>

#include "game/hand_result.h"

namespace tavolex {

struct ScoringInfo {
    std::string opponentLabel;  // "Computer's Score:" or the peer's name + "'s Score:"
    int32_t playerTotal = 0;
    int32_t opponentTotal = 0;
};

struct DetailsInfo {
    std::string playerName;    // heading of the player's columns
    std::string opponentName;  // heading of the opponent's columns
    HandResult player;
    HandResult opponent;
};

struct GameOverInfo {
    std::string comment;
    std::string opponentScoreLabel;  // opponent's label form + "'s score:"
    int32_t playerScore = 0;
    int32_t opponentScore = 0;
    int32_t margin = 0;
    bool networkGame = false;
    std::string playerLobbyName;
    std::string opponentName;
};

enum class GameOverAnswer { Yes, No, Ok, Closed };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void Information(const std::string& text) = 0;
    virtual void Warning(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& text) = 0;
    virtual std::optional<std::string> InputBox(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& proposal) = 0;
    // "Scoring Results"; true when the user pressed "&Details >>".
    virtual bool ShowScoring(const ScoringInfo& info) = 0;
    // "Detailed Scoring Results".
    virtual void ShowDetails(const DetailsInfo& info) = 0;
    virtual GameOverAnswer ShowGameOver(const GameOverInfo& info) = 0;
    // The save and load file dialogs; nullopt when cancelled.
    virtual std::optional<std::string> AskSaveFileName(const std::string& proposal) = 0;
    virtual std::optional<std::string> AskLoadFileName() = 0;
};

}  // namespace tavolex
