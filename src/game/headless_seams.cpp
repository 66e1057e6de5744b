#include "game/headless_seams.h"

namespace tavolex {

bool HeadlessDialogs::AskYesNo(const std::string& text) {
    questions.push_back(text);
    if (yesNoAnswers.empty()) return defaultYesNo;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<std::string> HeadlessDialogs::InputBox(const std::string& caption,
                                                     const std::string&,
                                                     const std::string& proposal) {
    questions.push_back(caption);
    return inputAnswer ? inputAnswer : std::optional<std::string>(proposal);
}

bool HeadlessDialogs::ShowScoring(const ScoringInfo& info) {
    scorings.push_back(info);
    return wantDetails;
}

GameOverAnswer HeadlessDialogs::ShowGameOver(const GameOverInfo& info) {
    gameOvers.push_back(info);
    return gameOverAnswer;
}

std::optional<std::string> HeadlessDialogs::AskSaveFileName(const std::string& proposal) {
    questions.push_back(proposal);
    return fileName;
}

std::optional<std::string> HeadlessDialogs::AskLoadFileName() { return fileName; }

}  // namespace tavolex
