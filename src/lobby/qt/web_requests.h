// The web services as the program's windows call them.
#pragma once

#include <optional>
#include <string>

#include "lobby/web_services.h"

namespace tavolex {

class HttpClient;

// The game server's address from the web server. Nothing when the request failed (the lobby
// then reports "Could not establish a connection."); an empty server and port 0 when the web
// server had no data (the lobby then adds kNoGameServerData to its chat).
std::optional<GameServerAddress> FetchGameServerAddress(HttpClient& http,
                                                        const std::string& webServer);

// Reports a finished network match when this side lost or drew; the answer is ignored. Tells
// whether a report went out.
bool SendMatchReport(HttpClient& http, const std::string& webServer, const MatchReport& report);

// Opens a page, a download or a mail message with the desktop's own program for it.
void OpenPage(const std::string& url);

}  // namespace tavolex
