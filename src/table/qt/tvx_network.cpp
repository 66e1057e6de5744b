// The table window's side of network play: the received moves' dispatch, the Network menu, the
// chat window and the rule-differences dialog, and the reports of a finished match.
#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QLocale>

#include "lobby/qt/web_requests.h"
#include "network/qt/chat_window.h"
#include "network/qt/rule_differences_dialog.h"
#include "storage/settings_keys.h"
#include "table/qt/table_canvas.h"
#include "table/qt/tvx_main.h"

namespace tavolex {

namespace {

// WM_DISPATCH: the next received moves are due.
constexpr QEvent::Type kDispatchEvent = static_cast<QEvent::Type>(2026);

// The system's short date and long time.
std::string Timestamp() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    return (locale.toString(now.date(), QLocale::ShortFormat) + " " +
            locale.toString(now.time(), QLocale::LongFormat))
        .toStdString();
}

}  // namespace

void TfmTvxMain::SetUpMatchReporting() {
    const auto report = [this](const GameOverInfo& info) {
        return MatchReport{info.playerLobbyName, std::to_string(info.playerScore),
                           info.opponentName, std::to_string(info.opponentScore),
                           lobby_.State().LobbyType};
    };
    dialogs_.SetMatchReporting({[this, report](const GameOverInfo& info) {
                                    SendMatchReport(http_, ReadWebServer(settings_), report(info));
                                },
                                [report](const GameOverInfo& info, const std::string& address) {
                                    OpenPage(MatchMailAddress(address, report(info),
                                                              info.opponentScoreLabel,
                                                              Timestamp()));
                                }});
}

void TfmTvxMain::PostDispatch() {
    QCoreApplication::postEvent(this, new QEvent(kDispatchEvent));
}

bool TfmTvxMain::DispatchEvent(QEvent* event) {
    if (event->type() != kDispatchEvent) return false;
    RunEngineWhenIdle([this] { network_.DispatchReceived(); });
    return true;
}

void TfmTvxMain::miChatOnTopClick(bool checked) {
    WriteBool(settings_, kChatOnTopKey.path, checked);
    if (chat_) chat_->SetStayOnTop(checked);
}

void TfmTvxMain::OpenChat() {
    chat_ = std::make_unique<TfmChat>(settings_, network_.OwnNetName, this);
    connect(chat_.get(), &TfmChat::lineEntered, this,
            [this](const std::string& line) { table_.SendToken(kTokenChat, line); });
    // The table's commands on F6 to F10 work from the chat window too.
    connect(chat_.get(), &TfmChat::functionKey, this, [this](int key) {
        activateWindow();
        canvas_->setFocus();
        FormKeyDown(key, Qt::NoModifier);
    });
    stepBack_.Watch(chat_.get());
    chat_->show();
}

void TfmTvxMain::CloseMatchWindows() {
    chat_.reset();
    ruleDifferences_.reset();
}

void TfmTvxMain::AddChatLine(const std::string& line, bool received) {
    if (!chat_) return;
    if (received) {
        chat_->ShowReceived(line);
    } else {
        chat_->AddLine(line);
    }
}

void TfmTvxMain::ShowRuleDifferences(const std::vector<RuleDifference>& differences) {
    if (!ruleDifferences_) {
        ruleDifferences_ = std::make_unique<TfmRuleDifferences>(this);
        connect(ruleDifferences_.get(), &TfmRuleDifferences::useOpponentsRules, this,
                [this] { RunEngine([this] { network_.AdoptOpponentsRules(); }); });
        stepBack_.Watch(ruleDifferences_.get());
    }
    ruleDifferences_->ShowDifferences(differences);
}

void TfmTvxMain::HideRuleDifferences() {
    if (ruleDifferences_) ruleDifferences_->hide();
}

void TfmTvxMain::ShowConnectionStatus(const std::string& text) {
    ShowStatus(text, false);
}

void TfmTvxMain::EnableMatchCommands(bool matchRunning) {
    for (QAction* item : {miDisconnect_, miChatOnTop_, miRuleDifferences_}) {
        item->setEnabled(matchRunning);
    }
    miLobby_->setEnabled(!matchRunning);
    pnLobbyActive_->hide();
}

void TfmTvxMain::LeaveGameServer() {
    lobby_.State().State = kLobbyOffline;
    gameServer_.GS_Disconnect();
}

}  // namespace tavolex
