// The web service on its own port of the same I/O thread: one request per connection.
#pragma once

#include <boost/asio.hpp>

#include "web_routes.h"

namespace tavolex::server {

class WebListener {
  public:
    WebListener(boost::asio::io_context& io, const boost::asio::ip::tcp::endpoint& endpoint,
                Database& database, const ServerConfig& config);
    unsigned short Port() const { return acceptor_.local_endpoint().port(); }
    void SetLobbyPort(int port) { routes_.SetLobbyPort(port); }
    void Stop();

  private:
    void Accept();

    boost::asio::ip::tcp::acceptor acceptor_;
    WebRoutes routes_;
};

}  // namespace tavolex::server
