// A one-file HTTP server on a free loopback port that records each request's head and answers
// through a handler: the test's web server, or its proxy.
#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tavolex {

class TinyHttpServer {
  public:
    // The whole answer (status line, headers, body) for a request head; empty: never answer.
    using Handler = std::function<std::string(const std::string& head)>;

    explicit TinyHttpServer(Handler handler) : handler_(std::move(handler)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { Read(socket); });
            }
        });
    }
    int Port() const { return server_.serverPort(); }
    std::string Address() const { return "http://127.0.0.1:" + std::to_string(Port()); }
    const std::vector<std::string>& Requests() const { return requests_; }

    static std::string Answer(const std::string& body) {
        return "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
    }

  private:
    void Read(QTcpSocket* socket) {
        std::string& head = heads_[socket];
        head += socket->readAll().toStdString();
        if (head.find("\r\n\r\n") == std::string::npos) return;
        requests_.push_back(head);
        const std::string answer = handler_(head);
        if (answer.empty()) return;
        socket->write(answer.data(), static_cast<qint64>(answer.size()));
        socket->disconnectFromHost();
        heads_.erase(socket);
    }

    Handler handler_;
    QTcpServer server_;
    std::map<QTcpSocket*, std::string> heads_;
    std::vector<std::string> requests_;
};

}  // namespace tavolex
