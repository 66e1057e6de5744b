#include "lobby_listener.h"

#include <memory>

#include "tcp_session.h"

namespace tavolex::server {

namespace asio = boost::asio;
using asio::ip::tcp;

LobbyListener::LobbyListener(asio::io_context& io, const tcp::endpoint& endpoint, Lobby& lobby,
                             int sessionsPerAddress)
    : acceptor_(io, endpoint), tick_(io), lobby_(lobby), sessionsPerAddress_(sessionsPerAddress) {
    acceptor_.listen(asio::socket_base::max_listen_connections);
    Accept();
    Tick();
}

void LobbyListener::Stop() {
    boost::system::error_code ignored;
    acceptor_.close(ignored);
    tick_.cancel();
}

void LobbyListener::Accept() {
    acceptor_.async_accept([this](const boost::system::error_code& error, tcp::socket socket) {
        if (error == asio::error::operation_aborted) return;
        if (!error) {
            boost::system::error_code addressError;
            const asio::ip::address address = socket.remote_endpoint(addressError).address();
            const std::string key = address.to_string();
            auto& counts = *sessionsByAddress_;
            int& count = counts[key];
            if (!addressError && (address.is_loopback() || sessionsPerAddress_ == 0 ||
                                  count < sessionsPerAddress_)) {
                ++count;
                auto session = std::make_shared<TcpSession>(std::move(socket), lobby_,
                                                            [shared = sessionsByAddress_, key] {
                                                                if (--(*shared)[key] <= 0)
                                                                    shared->erase(key);
                                                            });
                session->Start();
            } else {
                if (count == 0) counts.erase(key);
                boost::system::error_code ignored;
                asio::write(socket,
                            asio::buffer(*EncodeEvent(kEventError,
                                                      "Too many connections from your address.")),
                            ignored);
            }
        }
        // Running out of descriptors fails one accept; the next ones go on.
        Accept();
    });
}

void LobbyListener::Tick() {
    tick_.expires_after(std::chrono::seconds(1));
    tick_.async_wait([this](const boost::system::error_code& error) {
        if (error) return;
        lobby_.Tick();
        Tick();
    });
}

}  // namespace tavolex::server
