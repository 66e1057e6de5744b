#include "lobby/qt/web_requests.h"

#include <QDesktopServices>
#include <QUrl>

#include "lobby/qt/http_client.h"

namespace tavolex {

std::optional<GameServerAddress> FetchGameServerAddress(HttpClient& http,
                                                        const std::string& webServer) {
    const HttpAnswer answer = http.HttpGet(WebAddress(webServer, kGameServerDataPath));
    if (!answer.ok) return std::nullopt;
    return ParseGameServerAddress(answer.body);
}

bool SendMatchReport(HttpClient& http, const std::string& webServer, const MatchReport& report) {
    if (!ShouldReportMatch(report)) return false;
    http.HttpGet(WebAddress(webServer, MatchReportPath(report)));
    return true;
}

void OpenPage(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

}  // namespace tavolex
