// Accepts lobby clients, keeps the per-address limit, and gives the lobby its clock ticks.
#pragma once

#include <boost/asio.hpp>
#include <memory>

#include "address_limit.h"
#include "lobby.h"

namespace tavolex::server {

class LobbyListener {
  public:
    LobbyListener(boost::asio::io_context& io, const boost::asio::ip::tcp::endpoint& endpoint,
                  Lobby& lobby, int sessionsPerAddress);
    unsigned short Port() const { return acceptor_.local_endpoint().port(); }
    // Stops accepting and ticking; the lobby's sessions are ended by the lobby.
    void Stop();

  private:
    void Accept();
    void Tick();

    boost::asio::ip::tcp::acceptor acceptor_;
    boost::asio::steady_timer tick_;
    Lobby& lobby_;
    // Shared with the sessions, which may outlive the listener at shutdown.
    std::shared_ptr<AddressLimit> addressLimit_;
};

}  // namespace tavolex::server
