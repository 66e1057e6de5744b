#include "tcp_session.h"

#include <array>

namespace tavolex::server {

namespace asio = boost::asio;

namespace {

// Every session reads into this one buffer: the server runs on one thread, and an idle session
// should hold no read buffer of its own.
std::array<char, 64 * 1024> readBuffer;

constexpr auto kCloseGrace = std::chrono::seconds(5);

}  // namespace

TcpSession::TcpSession(asio::ip::tcp::socket socket, Lobby& lobby, std::function<void()> onEnd)
    : socket_(std::move(socket)), lobby_(lobby), onEnd_(std::move(onEnd)) {}

TcpSession::~TcpSession() {
    if (onEnd_) onEnd_();
}

void TcpSession::Start() {
    boost::system::error_code ignored;
    socket_.set_option(asio::ip::tcp::no_delay(true), ignored);
    socket_.non_blocking(true, ignored);
    lobby_.Connected(*this);
    WaitForInput();
}

void TcpSession::WaitForInput() {
    socket_.async_wait(asio::socket_base::wait_read,
                       [self = shared_from_this()](const boost::system::error_code& error) {
                           if (error) return self->End();
                           self->ReadAvailable();
                       });
}

void TcpSession::ReadAvailable() {
    if (ended_) return;
    boost::system::error_code error;
    const std::size_t count = socket_.read_some(asio::buffer(readBuffer), error);
    if (error == asio::error::would_block) return WaitForInput();
    if (error) return End();
    std::string_view input(readBuffer.data(), count);
    Frame frame;
    while (!closing_) {
        const FrameDecoder::Status status = decoder_.Next(input, frame);
        if (status == FrameDecoder::Status::kNeedMore) break;
        if (status == FrameDecoder::Status::kBad) {
            lobby_.Refuse(*this, decoder_.Error() + ".");
            break;
        }
        lobby_.Received(*this, frame);
    }
    // After the lobby let go of it, a session only finishes sending.
    if (!closing_) WaitForInput();
}

void TcpSession::Deliver(std::string_view frame) {
    if (ended_ || closing_) return;
    if (outbox_.size() + writing_.size() + frame.size() > kMaxOutbound) {
        // Too slow a reader: end it once the lobby is done with the current call.
        closing_ = true;
        asio::post(socket_.get_executor(), [self = shared_from_this()] { self->End(); });
        return;
    }
    outbox_.append(frame);
    if (!writeInProgress_) Write();
}

void TcpSession::Write() {
    writing_.swap(outbox_);
    writeInProgress_ = true;
    asio::async_write(
        socket_, asio::buffer(writing_),
        [self = shared_from_this()](const boost::system::error_code& error, std::size_t) {
            self->writeInProgress_ = false;
            self->writing_.clear();
            if (error) return self->End();
            if (!self->outbox_.empty()) return self->Write();
            // An idle session keeps no large buffers.
            std::string().swap(self->writing_);
            std::string().swap(self->outbox_);
            if (self->closing_) self->CloseSocket();
        });
}

void TcpSession::Close() {
    if (closing_ || ended_) return;
    closing_ = true;
    if (!writeInProgress_) return CloseSocket();
    // The last frames (a farewell) get a few seconds to leave.
    closeDeadline_ = std::make_unique<asio::steady_timer>(socket_.get_executor(), kCloseGrace);
    closeDeadline_->async_wait([self = shared_from_this()](const boost::system::error_code& error) {
        if (!error) self->CloseSocket();
    });
}

void TcpSession::End() {
    if (ended_) return;
    closing_ = true;
    lobby_.Disconnected(*this);
    CloseSocket();
}

void TcpSession::CloseSocket() {
    if (ended_) return;
    ended_ = true;
    boost::system::error_code ignored;
    socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    socket_.close(ignored);
    if (closeDeadline_) closeDeadline_->cancel();
}

}  // namespace tavolex::server
