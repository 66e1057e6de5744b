// Headless implementations of the seams: they record what the engine asked and answer from a
// script, for the tests and the command-line tool.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "game/clock.h"
#include "game/dialogs.h"
#include "game/peer_link.h"
#include "game/sounds.h"
#include "game/statistics.h"
#include "game/table_view.h"

namespace tavolex {

class HeadlessTable : public TableView {
  public:
    void ShowCardMove(const CardRecord& card, int, int, int, int, bool) override {
        moves.push_back(card);
    }
    void InvalidateArea(int, int, int, int) override { ++repaints; }
    void RepaintAll() override { ++repaints; }
    void PauseWithHourglass(int milliseconds) override { pausedMs += milliseconds; }
    void SetHourglass(bool) override {}
    void ShowStatus(const std::string& text, bool error) override {
        status = text;
        statusIsError = error;
        if (keepStatusLog) statusLog.push_back(text);
    }
    void Beep() override { ++beeps; }
    void EnableUndo(bool enabled) override { undoEnabled = enabled; }
    void ShowEndHandButton(bool visible) override { endHandVisible = visible; }
    void EnableEndHandButton(bool enabled) override { endHandEnabled = enabled; }
    void SetRulesHint(const std::string& hint) override { rulesHint = hint; }
    void ShowWhoseTurn(const std::string& text) override { whoseTurn = text; }
    void PostDispatch() override { ++dispatchPosts; }
    void CloseProgram() override { closed = true; }

    std::vector<CardRecord> moves;
    int repaints = 0;
    long pausedMs = 0;
    std::string status;
    bool statusIsError = false;
    // Every text shown, oldest first, while a test asks for it (long runs would only grow it).
    bool keepStatusLog = false;
    std::vector<std::string> statusLog;
    int beeps = 0;
    bool undoEnabled = false;
    bool endHandVisible = false;
    bool endHandEnabled = false;
    std::string rulesHint;
    std::string whoseTurn;
    int dispatchPosts = 0;
    bool closed = false;
};

class HeadlessDialogs : public Dialogs {
  public:
    void Information(const std::string& text) override {
        Record("information", text);
        if (whileInformationShows) whileInformationShows();
    }
    void Warning(const std::string& text) override { Record("warning", text); }
    void Error(const std::string& text) override { Record("error", text); }
    bool AskYesNo(const std::string& text) override;
    std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& proposal) override;
    bool ShowScoring(const ScoringInfo& info) override;
    void ShowDetails(const DetailsInfo& info) override { details.push_back(info); }
    GameOverAnswer ShowGameOver(const GameOverInfo& info) override;
    std::optional<std::string> AskSaveFileName(const std::string& proposal) override;
    std::optional<std::string> AskLoadFileName() override;

    struct Message {
        std::string kind;
        std::string text;
    };
    std::vector<Message> messages;
    std::vector<ScoringInfo> scorings;
    std::vector<DetailsInfo> details;
    std::vector<GameOverInfo> gameOvers;
    std::vector<std::string> questions;

    // Scripted answers; when a queue is empty the default below is given.
    std::deque<bool> yesNoAnswers;
    bool defaultYesNo = true;
    bool wantDetails = false;
    GameOverAnswer gameOverAnswer = GameOverAnswer::Yes;
    std::optional<std::string> fileName;
    std::optional<std::string> inputAnswer;
    // Runs while an information box is up, as the events a modal box lets through would.
    std::function<void()> whileInformationShows;

  private:
    void Record(const char* kind, const std::string& text) { messages.push_back({kind, text}); }
};

class HeadlessSounds : public Sounds {
  public:
    void PlayEvent(int event) override { events.push_back(event); }
    std::vector<int> events;
};

class HeadlessPeer : public PeerLink {
  public:
    void SendToken(int token, const std::string& parameters) override {
        sent.push_back({token, parameters});
    }
    struct Sent {
        int token;
        std::string parameters;
    };
    std::vector<Sent> sent;
};

class HeadlessStatistics : public Statistics {
  public:
    std::string CurrentPlayerName() override { return playerName; }
    void EnterHighscore(int kind, int margin) override { highscores.push_back({kind, margin}); }
    void RecordMatchResult(int playerScore, int opponentScore) override {
        matches.push_back({playerScore, opponentScore});
    }
    std::string playerName;
    struct Pair {
        int first;
        int second;
    };
    std::vector<Pair> highscores;
    std::vector<Pair> matches;
};

// A clock that stands still unless a test moves it.
class FixedClock : public Clock {
  public:
    uint32_t MillisecondsSinceStart() override { return milliseconds; }
    std::string DateTimeText() override { return dateTime; }
    uint32_t milliseconds = 1000;
    std::string dateTime = "2026-01-01 12:00";
};

}  // namespace tavolex
