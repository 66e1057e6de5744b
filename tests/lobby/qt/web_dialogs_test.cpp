// "Check Upgrade" and "Network Play Settings" offscreen, against the test's web server.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

#include "game/memory_settings.h"
#include "lobby/qt/check_upgrade_dialog.h"
#include "lobby/qt/http_client.h"
#include "lobby/qt/network_settings_dialog.h"
#include "tiny_http_server.h"

namespace tavolex {
namespace {

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

QString Text(const QWidget& dialog, const char* name) {
    return dialog.findChild<QLabel*>(name)->text();
}

TEST(WebDialogs, CheckUpgradeOffersTheDownloadOnlyForALaterVersion) {
    struct Case {
        const char* answer;
        const char* latest;
        bool offered;
    };
    const Case cases[] = {{"5.1\n", "The latest version is 5.1", true},
                          {"5.0\n", "The latest version is 5.0", false},
                          {"<html>oops</html>", "The latest version is unknown", false}};
    for (const Case& c : cases) {
        TinyHttpServer web([&](const std::string&) { return TinyHttpServer::Answer(c.answer); });
        HttpClient http;
        TfmCheckUpgrade dialog(http, web.Address(), nullptr);
        EXPECT_EQ(dialog.windowTitle(), "Tavolex");
        EXPECT_EQ(Text(dialog, "lbCurrent"), "You currently have version 5.0");
        EXPECT_EQ(Text(dialog, "lbLatest"), c.latest);
        EXPECT_EQ(dialog.findChild<QPushButton*>("btDownload")->isEnabled(), c.offered);
        EXPECT_EQ(dialog.findChild<QLabel*>("lbLaterVersion")->isVisibleTo(&dialog), c.offered);
    }
    TinyHttpServer web([](const std::string&) { return TinyHttpServer::Answer("5.1"); });
    HttpClient http;
    PageRecorder browser;
    TfmCheckUpgrade dialog(http, web.Address() + "/", nullptr);
    dialog.findChild<QPushButton*>("btDownload")->click();
    EXPECT_EQ(browser.pages, std::vector{web.Address() + "/tvxsetup.exe"});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(WebDialogs, NetworkPlaySettingsWritesTheProxyOnOkOnly) {
    MemorySettings settings;
    settings.WriteValue("Network\\ProxyServer", std::string("proxy.lan"));
    {
        TfmNetworkSettings dialog(settings, nullptr);
        EXPECT_EQ(dialog.windowTitle(), "Network Play Settings");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("edProxyServer")->text(), "proxy.lan");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("edProxyPass")->echoMode(), QLineEdit::Password);
        dialog.findChild<QLineEdit*>("edProxyPort")->setText("3128");
        dialog.reject();
    }
    EXPECT_FALSE(settings.ValueExists("Network\\ProxyPort"));
    TfmNetworkSettings dialog(settings, nullptr);
    dialog.findChild<QLineEdit*>("edProxyPort")->setText("3128");
    dialog.findChild<QLineEdit*>("edProxyUser")->setText("anna");
    dialog.findChild<QLineEdit*>("edProxyPass")->setText("s3cret");
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadProxySettings(settings), (ProxySettings{"proxy.lan", 3128, "anna", "s3cret"}));
}

}  // namespace
}  // namespace tavolex

#include "web_dialogs_test.moc"
