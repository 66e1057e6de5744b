#include "web_routes.h"

#include <filesystem>

#include "match_query.h"

namespace tavolex::server {
namespace {

WebResponse Text(int status, std::string body) {
    return {status, "text/plain", std::move(body), {}};
}

}  // namespace

WebResponse WebRoutes::Respond(std::string_view target) {
    const std::size_t question = target.find('?');
    const std::string_view path = target.substr(0, question);
    const std::string_view query =
        question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
    if (path == "/lobby/gameserver.txt") {
        return Text(200, "server=" + config_.publicHost + "\r\nport=" + std::to_string(lobbyPort_) +
                             "\r\n");
    }
    if (path == "/version.txt") return Text(200, config_.latestVersion + "\r\n");
    if (path == "/lobby/matchlog.php") {
        const auto match = ParseMatchQuery(query);
        if (!match) return Text(400, "Bad match report\r\n");
        database_.AddMatch(*match);
        return Text(200, "OK\r\n");
    }
    if (path == "/tvxsetup.exe") {
        std::error_code error;
        if (config_.setupFile.empty() ||
            !std::filesystem::is_regular_file(config_.setupFile, error))
            return Text(404, "No download here\r\n");
        return {200, "application/octet-stream", {}, config_.setupFile};
    }
    if (path == "/" || path == "/index.html")
        return {200, "text/html; charset=utf-8", HomePage(), {}};
    return Text(404, "Not found\r\n");
}

std::string HtmlEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string WebRoutes::HomePage() {
    static constexpr const char* kGameTypes[] = {"Just for fun", "Competition", "Private Room"};
    std::string rows;
    for (const MatchReport& match : database_.LatestMatches(20)) {
        rows += "<tr><td>" + HtmlEscaped(match.reported) + "</td><td>" +
                HtmlEscaped(match.nickname1) + "</td><td class=n>" + std::to_string(match.score1) +
                "</td><td>" + HtmlEscaped(match.nickname2) + "</td><td class=n>" +
                std::to_string(match.score2) + "</td><td>" + kGameTypes[match.gameType % 3] +
                "</td></tr>\n";
    }
    if (rows.empty()) rows = "<tr><td colspan=6>No match has been reported yet.</td></tr>\n";
    const std::string server = HtmlEscaped(config_.publicHost) + ":" + std::to_string(lobbyPort_);
    std::string download =
        "<p>Tavolex is built from its source code with CMake and Qt 6; the "
        "README explains the two commands that install what it needs and "
        "start it.</p>";
    if (!config_.setupFile.empty()) {
        download = "<p><a class=button href=\"/tvxsetup.exe\">Download Tavolex " +
                   HtmlEscaped(config_.latestVersion) + "</a></p>" + download;
    }
    return R"(<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Tavolex</title>
<meta name="viewport" content="width=device-width, initial-scale=1">
<style>
body{font-family:sans-serif;margin:0;background:#f4f1e8;color:#222}
header{background:#1f5e3a;color:#fff;padding:1.2em 2em}
header h1{margin:0;font-size:2em} header p{margin:.3em 0 0}
main{max-width:52em;margin:0 auto;padding:1em 2em}
h2{color:#1f5e3a;border-bottom:2px solid #c9b88a;padding-bottom:.2em}
table{border-collapse:collapse;width:100%;background:#fff}
th,td{padding:.35em .6em;border-bottom:1px solid #ddd;text-align:left}
th{background:#e8e0c8} td.n{text-align:right}
a.button{display:inline-block;background:#1f5e3a;color:#fff;padding:.5em 1em;border-radius:4px;text-decoration:none}
code{background:#fff;padding:.1em .3em}
</style></head><body>
<header><h1>Tavolex</h1><p>Two-player Canasta against the computer or another person</p></header>
<main>
<h2>What it is</h2>
<p>Tavolex plays two-player Canasta with two decks and four jokers. Play the computer at three
levels (Beginner, Advanced, Expert), or meet another player in the online lobby and play a match
to 5000 points. Thirteen rule options cover the local variants.</p>
<h2>How to install it</h2>
)" + download +
           R"(
<p>To play online, open <b>Network, Lobby...</b> in the game. This lobby server is
<code>)" + server +
           R"(</code>.</p>
<h2>Latest matches</h2>
<table><tr><th>Reported (UTC)</th><th>Player</th><th>Score</th><th>Player</th><th>Score</th><th>Type</th></tr>
)" + rows + R"(</table>
</main></body></html>
)";
}

}  // namespace tavolex::server
