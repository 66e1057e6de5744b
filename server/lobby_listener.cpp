#include "lobby_listener.h"

#include <memory>

#include "tcp_session.h"

namespace tavolex::server {

namespace asio = boost::asio;
using asio::ip::tcp;

LobbyListener::LobbyListener(asio::io_context& io, const tcp::endpoint& endpoint, Lobby& lobby,
                             int sessionsPerAddress)
    : acceptor_(io, endpoint),
      tick_(io),
      lobby_(lobby),
      addressLimit_(std::make_shared<AddressLimit>(sessionsPerAddress)) {
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
        boost::system::error_code addressError;
        const auto address = socket.remote_endpoint(addressError).address();
        if (!error && !addressError && addressLimit_->Admit(address)) {
            auto session = std::make_shared<TcpSession>(
                std::move(socket), lobby_,
                [limit = addressLimit_, address] { limit->Release(address); });
            session->Start();
        } else if (!error) {
            boost::system::error_code ignored;
            asio::write(
                socket,
                asio::buffer(*EncodeEvent(kEventError, "Too many connections from your address.")),
                ignored);
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
