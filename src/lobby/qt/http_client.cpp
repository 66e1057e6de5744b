#include "lobby/qt/http_client.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>

namespace tavolex {

HttpClient::HttpClient(int timeoutMilliseconds) : timeoutMilliseconds_(timeoutMilliseconds) {
    SetProxy({});
}

void HttpClient::TakeOverProxySettings(SettingsStore& settings) {
    SetProxy(ReadProxySettings(settings));
}

void HttpClient::SetProxy(const ProxySettings& proxy) {
    // No proxy set means none at all, whatever the environment names.
    if (proxy.host.empty()) {
        manager_.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        return;
    }
    manager_.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QString::fromStdString(proxy.host),
                                    static_cast<quint16>(proxy.port),
                                    QString::fromStdString(proxy.user),
                                    QString::fromStdString(proxy.password)));
}

HttpAnswer HttpClient::HttpGet(const std::string& url) {
    QNetworkRequest request(QUrl(QString::fromStdString(SpacesEscaped(url))));
    request.setHeader(QNetworkRequest::UserAgentHeader, "Mozilla/3.0 (compatible)");
    request.setRawHeader("Accept", "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    QNetworkReply* reply = manager_.get(request);
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, reply, &QNetworkReply::abort);
    timeout.start(timeoutMilliseconds_);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);

    HttpAnswer answer;
    answer.ok = reply->error() == QNetworkReply::NoError;
    if (answer.ok) {
        answer.body = reply->readAll().toStdString();
    } else {
        answer.error = timeout.isActive() ? reply->errorString().toStdString()
                                          : "The web server did not answer in time.";
    }
    reply->deleteLater();
    return answer;
}

}  // namespace tavolex
