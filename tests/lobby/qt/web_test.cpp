// The HTTP client, "Check Upgrade" and "Network Play Settings" against a web server and a proxy
// of the test's own on loopback.
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>

#include "game/memory_settings.h"
#include "lobby/qt/check_upgrade_dialog.h"
#include "lobby/qt/http_client.h"
#include "lobby/qt/network_settings_dialog.h"
#include "lobby/qt/web_requests.h"
#include "qt_shell_helpers.h"
#include "tiny_http_server.h"

namespace tavolex::test {
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
    http.TakeOverProxySettings(settings);
    const HttpAnswer answer = http.HttpGet(web.Address() + "/a file.txt");
    EXPECT_TRUE(answer.ok) << answer.error;
    EXPECT_EQ(answer.body, "5.1\n");
    EXPECT_TRUE(web.Requests().empty());
    ASSERT_FALSE(proxy.Requests().empty());
    const std::string& head = proxy.Requests().back();
    EXPECT_TRUE(Has(head, "GET " + web.Address() + "/a%20file.txt HTTP/1.")) << head;
    EXPECT_TRUE(Has(head, "Proxy-Authorization: Basic YW5uYTpzM2NyZXQ=")) << head;  // anna:s3cret
}

TEST(HttpClient, ADeadServerFailsInsteadOfHangingTheWebServerGivesTheGameServerTakesReports) {
    TinyHttpServer silent([](const std::string&) { return std::string(); });
    HttpClient quick(300);
    const HttpAnswer answer = quick.HttpGet(silent.Address() + "/version.txt");
    EXPECT_FALSE(answer.ok);
    EXPECT_FALSE(answer.error.empty());
    EXPECT_EQ(silent.Requests().size(), 1u);
    // Nobody listening at all.
    EXPECT_FALSE(FetchGameServerAddress(quick, "http://127.0.0.1:1").has_value());

    TinyHttpServer web([](const std::string& head) {
        return TinyHttpServer::Answer(Has(head, "gameserver.txt") ? "server=127.0.0.1\nport=4545\n"
                                                                  : "");
    });
    HttpClient http;
    const std::optional<GameServerAddress> address = FetchGameServerAddress(http, web.Address());
    ASSERT_TRUE(address.has_value());
    EXPECT_EQ(address->server + ":" + std::to_string(address->port), "127.0.0.1:4545");
    EXPECT_FALSE(SendMatchReport(http, web.Address(), {"Ben", "5230", "Anna Maria", "4120", 0}));
    EXPECT_TRUE(SendMatchReport(http, web.Address(), {"Anna Maria", "4120", "Ben", "5230", 0}));
    ASSERT_EQ(web.Requests().size(), 2u);
    EXPECT_TRUE(Has(web.Requests()[1],
                    "GET /lobby/matchlog.php?nickname1=Anna%20Maria&score1=4120"
                    "&nickname2=Ben&score2=5230&gametype=0 HTTP/1."));
}

// Stands in for the browser: records the pages the program opens.
class PageRecorder : public QObject {
    Q_OBJECT
  public:
    PageRecorder() { QDesktopServices::setUrlHandler("http", this, "Open"); }
    ~PageRecorder() override { QDesktopServices::unsetUrlHandler("http"); }
    std::vector<std::string> pages;

  public slots:
    void Open(const QUrl& url) { pages.push_back(url.toString().toStdString()); }
};

TEST(WebDialogs, CheckUpgradeOffersTheDownloadOnlyForALaterVersion) {
    struct Case {
        const char* answer;
        const char* latest;
        bool offered;
    };
    const Case cases[] = {{"5.1\n", "The latest version is 5.1", true},
                          {"5.0\n", "The latest version is 5.0", false},
                          {"<html>oops</html>", "The latest version is unknown", false}};
    PageRecorder browser;
    for (const Case& c : cases) {
        TinyHttpServer web([&](const std::string&) { return TinyHttpServer::Answer(c.answer); });
        HttpClient http;
        TfmCheckUpgrade dialog(http, web.Address() + "/", nullptr);
        EXPECT_EQ(dialog.findChild<QLabel*>("lbLatest")->text(), c.latest);
        EXPECT_EQ(dialog.findChild<QLabel*>("lbLaterVersion")->isVisibleTo(&dialog), c.offered);
        auto* download = dialog.findChild<QPushButton*>("btDownload");
        ASSERT_EQ(download->isEnabled(), c.offered);
        if (!c.offered) continue;
        download->click();
        EXPECT_EQ(browser.pages, std::vector{web.Address() + "/tvxsetup.exe"});
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

TEST(WebDialogs, NetworkPlaySettingsWritesTheProxyOnOkOnly) {
    MemorySettings settings;
    settings.WriteValue("Network\\ProxyServer", std::string("proxy.lan"));
    {
        TfmNetworkSettings dialog(settings, nullptr);
        dialog.findChild<QLineEdit*>("edProxyPort")->setText("3128");
        dialog.reject();
    }
    EXPECT_FALSE(settings.ValueExists("Network\\ProxyPort"));
    TfmNetworkSettings dialog(settings, nullptr);
    dialog.findChild<QLineEdit*>("edProxyPort")->setText("3128");
    dialog.findChild<QLineEdit*>("edProxyUser")->setText("anna");
    dialog.findChild<QLineEdit*>("edProxyPass")->setText("s3cret");
    Standard(&dialog, QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadProxySettings(settings), (ProxySettings{"proxy.lan", 3128, "anna", "s3cret"}));
}

}  // namespace
}  // namespace tavolex::test

#include "web_test.moc"
