// The HTTP client with a web server and a proxy of the test's own on loopback.
#include "lobby/qt/http_client.h"

#include <gtest/gtest.h>

#include "game/memory_settings.h"
#include "lobby/qt/web_requests.h"
#include "tiny_http_server.h"

namespace tavolex {
namespace {

bool Has(const std::string& head, const std::string& text) {
    return head.find(text) != std::string::npos;
}

TEST(HttpClient, GoesThroughTheProxyOnlyOnceItsSettingsAreTakenOver) {
    // The proxy asks for credentials first, as proxies do, then answers for the web server.
    TinyHttpServer proxy([](const std::string& head) -> std::string {
        if (!Has(head, "Proxy-Authorization:")) {
            return "HTTP/1.0 407 Proxy Authentication Required\r\n"
                   "Proxy-Authenticate: Basic realm=\"lan\"\r\nContent-Length: 0\r\n"
                   "Connection: close\r\n\r\n";
        }
        return TinyHttpServer::Answer("5.1\n");
    });
    TinyHttpServer web([](const std::string&) { return TinyHttpServer::Answer("5.0\n"); });
    MemorySettings settings;
    settings.WriteValue("Network\\ProxyServer", std::string("127.0.0.1"));
    settings.WriteValue("Network\\ProxyPort", std::to_string(proxy.Port()));
    settings.WriteValue("Network\\ProxyUser", std::string("anna"));
    settings.WriteValue("Network\\ProxyPass", std::string("s3cret"));

    HttpClient http;
    // Settings written but not taken over yet: straight to the web server.
    EXPECT_EQ(http.HttpGet(web.Address() + "/version.txt").body, "5.0\n");
    EXPECT_TRUE(proxy.Requests().empty());

    http.TakeOverProxySettings(settings);
    const HttpAnswer answer = http.HttpGet(web.Address() + "/a file.txt");
    EXPECT_TRUE(answer.ok) << answer.error;
    EXPECT_EQ(answer.body, "5.1\n");
    EXPECT_EQ(web.Requests().size(), 1u);
    ASSERT_FALSE(proxy.Requests().empty());
    const std::string& head = proxy.Requests().back();
    EXPECT_TRUE(Has(head, "GET " + web.Address() + "/a%20file.txt HTTP/1.")) << head;
    EXPECT_TRUE(Has(head, "Proxy-Authorization: Basic YW5uYTpzM2NyZXQ=")) << head;  // anna:s3cret
    EXPECT_TRUE(Has(head, "User-Agent: Mozilla/3.0 (compatible)\r\n")) << head;
    EXPECT_TRUE(Has(head, "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"))
        << head;
}

TEST(HttpClient, ADeadServerFailsInsteadOfHanging) {
    TinyHttpServer silent([](const std::string&) { return std::string(); });
    HttpClient http(300);
    const HttpAnswer answer = http.HttpGet(silent.Address() + "/version.txt");
    EXPECT_FALSE(answer.ok);
    EXPECT_FALSE(answer.error.empty());
    EXPECT_EQ(silent.Requests().size(), 1u);
    // Nobody listening at all.
    EXPECT_FALSE(FetchGameServerAddress(http, "http://127.0.0.1:1").has_value());
}

TEST(HttpClient, GameServerAddressAndMatchReportAskTheWebServer) {
    TinyHttpServer web([](const std::string& head) {
        return TinyHttpServer::Answer(Has(head, "gameserver.txt") ? "server=127.0.0.1\nport=4545\n"
                                                                  : "");
    });
    HttpClient http;
    const std::optional<GameServerAddress> address = FetchGameServerAddress(http, web.Address());
    ASSERT_TRUE(address.has_value());
    EXPECT_EQ(address->server, "127.0.0.1");
    EXPECT_EQ(address->port, 4545);

    EXPECT_FALSE(SendMatchReport(http, web.Address(), {"Ben", "5230", "Anna Maria", "4120", 0}));
    EXPECT_TRUE(SendMatchReport(http, web.Address(), {"Anna Maria", "4120", "Ben", "5230", 0}));
    ASSERT_EQ(web.Requests().size(), 2u);
    EXPECT_TRUE(Has(web.Requests()[1],
                    "GET /lobby/matchlog.php?nickname1=Anna%20Maria&score1=4120"
                    "&nickname2=Ben&score2=5230&gametype=0 HTTP/1."));
}

}  // namespace
}  // namespace tavolex
