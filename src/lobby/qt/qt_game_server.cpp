#include "lobby/qt/qt_game_server.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace tavolex {

QtGameServer::QtGameServer(QObject* parent) : QObject(parent) {
    connect(&socket_, &QTcpSocket::readyRead, this, [this] {
        const QByteArray bytes = socket_.readAll();
        Received(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    });
    connect(&socket_, &QTcpSocket::disconnected, this, [this] { ConnectionClosed(); });
}

QtGameServer::~QtGameServer() {
    // The socket outlives this object's own members while it closes: its signals must not
    // reach them.
    socket_.disconnect(this);
}

int QtGameServer::GS_Connect(const std::string& host, int port, QObject* window) {
    window_ = window;
    return GameServerClient::GS_Connect(host, port, static_cast<GameServerWindow*>(this));
}

bool QtGameServer::OpenConnection(const std::string& host, int port) {
    socket_.abort();
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    const auto stop = [&loop] { loop.quit(); };
    const QMetaObject::Connection connected =
        connect(&socket_, &QTcpSocket::connected, &loop, stop);
    const QMetaObject::Connection failed =
        connect(&socket_, &QTcpSocket::errorOccurred, &loop, stop);
    connect(&timeout, &QTimer::timeout, &loop, stop);
    socket_.connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
    timeout.start(kConnectMilliseconds);
    if (socket_.state() != QAbstractSocket::ConnectedState &&
        socket_.state() != QAbstractSocket::UnconnectedState) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    disconnect(connected);
    disconnect(failed);
    if (socket_.state() == QAbstractSocket::ConnectedState) return true;
    socket_.abort();
    return false;
}

void QtGameServer::Transmit(const std::string& bytes) {
    socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void QtGameServer::CloseConnection() {
    socket_.disconnectFromHost();
}

void QtGameServer::PostGameServerEvent(int code, const std::string& text) {
    if (window_) QCoreApplication::postEvent(window_, new GameServerEvent(code, text));
}

}  // namespace tavolex
