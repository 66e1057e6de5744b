// The program's one HTTP client: plain GET requests to the web server, through the proxy of the
// "Network Play Settings" once the program has taken those settings over.
#pragma once

#include <QNetworkAccessManager>
#include <string>

#include "lobby/web_services.h"

namespace tavolex {

class SettingsStore;

struct HttpAnswer {
    bool ok = false;
    std::string body;
    std::string error;  // when not ok: what went wrong, for the caller to report
};

class HttpClient {
  public:
    // A request not answered within timeoutMilliseconds fails: a dead server never hangs the
    // program.
    static constexpr int kDefaultTimeoutMilliseconds = 15000;
    explicit HttpClient(int timeoutMilliseconds = kDefaultTimeoutMilliseconds);

    // The proxy settings are copied in only when the lobby opens while offline and after the
    // settings dialog was confirmed; until then requests go out without a proxy.
    void TakeOverProxySettings(SettingsStore& settings);
    void SetProxy(const ProxySettings& proxy);

    // Every space of the URL becomes "%20". The window keeps painting while the request runs;
    // the user's input waits until it has ended.
    HttpAnswer HttpGet(const std::string& url);

  private:
    QNetworkAccessManager manager_;
    int timeoutMilliseconds_;
};

}  // namespace tavolex
