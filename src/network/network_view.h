// What network play asks of the windows around the table: the chat window, the rule-differences
// dialog, the connection status in the status bar, the Network menu and the game-server
// connection.
#pragma once

#include <string>
#include <vector>

#include "network/rule_differences.h"

namespace tavolex {

class NetworkView {
  public:
    virtual ~NetworkView() = default;
    // The chat window lives from the start of a match to its end.
    virtual void OpenChat() = 0;
    // Closes and frees the chat window and the rule-differences dialog.
    virtual void CloseMatchWindows() = 0;
    // Appends a line to the chat memo; a received line also shows the window, highlighted for a
    // moment.
    virtual void AddChatLine(const std::string& line, bool received) = 0;
    // Shows the rule-differences dialog (not modal) with these rows; with no rows the dialog is
    // replaced by an empty, hidden one.
    virtual void ShowRuleDifferences(const std::vector<RuleDifference>& differences) = 0;
    virtual void HideRuleDifferences() = 0;
    // The connection status text in the status bar, in the normal style.
    virtual void ShowConnectionStatus(const std::string& text) = 0;
    // While a match runs: "&Disconnect", "&Chat window always on top" and "&Rule Differences..."
    // enabled, "Lobby..." disabled; the reverse afterwards. The "Lobby Active" panel is hidden
    // either way.
    virtual void EnableMatchCommands(bool matchRunning) = 0;
    // Leaves the game server: the lobby goes offline and the connection is closed.
    virtual void LeaveGameServer() = 0;
};

// Records what it was asked, for the tests and the command-line tool.
class HeadlessNetworkView : public NetworkView {
  public:
    void OpenChat() override { chatOpen = true; }
    void CloseMatchWindows() override {
        chatOpen = false;
        ruleDialogShown = false;
    }
    void AddChatLine(const std::string& line, bool received) override {
        chatLines.push_back({line, received});
    }
    void ShowRuleDifferences(const std::vector<RuleDifference>& rows) override {
        differences = rows;
        ruleDialogShown = !rows.empty();
    }
    void HideRuleDifferences() override { ruleDialogShown = false; }
    void ShowConnectionStatus(const std::string& text) override { status = text; }
    void EnableMatchCommands(bool matchRunning) override { matchCommands = matchRunning; }
    void LeaveGameServer() override { ++serverLeft; }

    struct ChatLine {
        std::string text;
        bool received = false;
    };
    bool chatOpen = false;
    std::vector<ChatLine> chatLines;
    std::vector<RuleDifference> differences;
    bool ruleDialogShown = false;
    std::string status;
    bool matchCommands = false;
    int serverLeft = 0;
};

}  // namespace tavolex
