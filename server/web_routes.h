// The web service's answers, without sockets: the game-server address, the latest version,
// match reports, the setup download and the home page.
#pragma once

#include <string>
#include <string_view>

#include "config.h"
#include "database.h"

namespace tavolex::server {

struct WebResponse {
    int status = 200;
    std::string contentType = "text/plain";
    std::string body;
    std::string file;  // when set, the answer is this file's contents
};

class WebRoutes {
  public:
    WebRoutes(Database& database, const ServerConfig& config)
        : database_(database), config_(config) {}
    void SetLobbyPort(int port) { lobbyPort_ = port; }
    // `target` is the request's path with its query.
    WebResponse Respond(std::string_view target);

  private:
    std::string HomePage();

    Database& database_;
    const ServerConfig& config_;
    int lobbyPort_ = 0;
};

// The text with &, <, >, " and ' written as entities.
std::string HtmlEscaped(std::string_view text);

}  // namespace tavolex::server
