// One client connection: reads frames for the lobby and writes the lobby's frames to the client
// through a bounded outbound buffer.
#pragma once

#include <boost/asio.hpp>
#include <functional>
#include <memory>
#include <string>

#include "lobby.h"
#include "lobby/wire_format.h"
#include "participant.h"

namespace tavolex::server {

class TcpSession : public Participant, public std::enable_shared_from_this<TcpSession> {
  public:
    // A client with more than this many bytes waiting to be sent is too slow and is dropped.
    static constexpr std::size_t kMaxOutbound = 64 * 1024;

    TcpSession(boost::asio::ip::tcp::socket socket, Lobby& lobby, std::function<void()> onEnd);
    ~TcpSession() override;

    void Start();
    void Deliver(std::string_view frame) override;
    void Close() override;

  private:
    void WaitForInput();
    void ReadAvailable();
    void Write();
    // The connection is over: the lobby forgets it (unless it already has) and the socket closes.
    void End();
    void CloseSocket();

    boost::asio::ip::tcp::socket socket_;
    Lobby& lobby_;
    std::function<void()> onEnd_;
    FrameDecoder decoder_;
    std::string outbox_;   // frames not yet handed to the socket
    std::string writing_;  // frames the socket is sending
    bool writeInProgress_ = false;
    bool closing_ = false;  // the lobby has forgotten this session
    bool ended_ = false;
    std::unique_ptr<boost::asio::steady_timer> closeDeadline_;
};

}  // namespace tavolex::server
