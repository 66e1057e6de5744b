// The table window's side of network play: the received moves' dispatch and the reports of a
// finished match.
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include "lobby/qt/web_requests.h"
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
    // Received moves are applied between the player's actions, never inside one: a pause of the
    // player's move lets this event through, and it comes back once the move is over.
    if (engineDepth_ > 0) {
        dispatchDeferred_ = true;
        return true;
    }
    RunEngine([] {});
    return true;
}

}  // namespace tavolex
