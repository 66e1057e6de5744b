// The game-server library on a QTcpSocket: each event is posted to the window given to
// GS_Connect as a GameServerEvent (type 1990).
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <string>

#include "lobby/game_server_client.h"

namespace tavolex {

class GameServerEvent : public QEvent {
  public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(1990);
    GameServerEvent(int code, std::string text)
        : QEvent(kType), code(code), text(std::move(text)) {}
    const int code;
    const std::string text;  // ends with a carriage return
};

class QtGameServer : public QObject, public GameServerClient, private GameServerWindow {
    Q_OBJECT
  public:
    // A server that has not answered a connect within this time counts as unreachable.
    static constexpr int kConnectMilliseconds = 5000;
    explicit QtGameServer(QObject* parent = nullptr);
    ~QtGameServer() override;

    using GameServerClient::GS_Connect;
    // The program's form of the call: events go to window as posted Qt events. The window keeps
    // painting while the connection is made; the user's input waits.
    int GS_Connect(const std::string& host, int port, QObject* window);

  protected:
    bool OpenConnection(const std::string& host, int port) override;
    void Transmit(const std::string& bytes) override;
    void CloseConnection() override;

  private:
    void PostGameServerEvent(int code, const std::string& text) override;

    QTcpSocket socket_;
    QPointer<QObject> window_;
};

}  // namespace tavolex
