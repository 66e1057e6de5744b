#include "web_listener.h"

#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <memory>
#include <stdexcept>

namespace tavolex::server {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using asio::ip::tcp;

namespace {

constexpr auto kRequestTimeout = std::chrono::seconds(10);

// Reads one request, answers it and closes. Requests are small GETs: headers are capped and a
// body is refused.
class WebConnection : public std::enable_shared_from_this<WebConnection> {
  public:
    WebConnection(tcp::socket socket, WebRoutes& routes)
        : stream_(std::move(socket)), routes_(routes) {
        parser_.header_limit(8 * 1024);
        parser_.body_limit(0);
    }

    void Start() {
        stream_.expires_after(kRequestTimeout);
        http::async_read(stream_, buffer_, parser_,
                         [self = shared_from_this()](beast::error_code error, std::size_t) {
                             if (error) return self->Answer(400, "Bad request\r\n");
                             self->Respond();
                         });
    }

  private:
    void Respond() {
        const auto& request = parser_.get();
        if (request.method() != http::verb::get && request.method() != http::verb::head)
            return Answer(405, "Only GET\r\n");
        const auto target = request.target();
        WebResponse response;
        try {
            response = routes_.Respond({target.data(), target.size()});
        } catch (const std::runtime_error& error) {
            return Answer(500, std::string("Server error: ") + error.what() + "\r\n");
        }
        if (response.file.empty())
            return Answer(response.status, response.body, response.contentType);
        auto fileResponse = std::make_shared<http::response<http::file_body>>(http::status::ok, 11);
        beast::error_code error;
        fileResponse->body().open(response.file.c_str(), beast::file_mode::scan, error);
        if (error) return Answer(404, "No download here\r\n");
        fileResponse->set(http::field::content_type, response.contentType);
        fileResponse->keep_alive(false);
        fileResponse->prepare_payload();
        Send(fileResponse);
    }

    void Answer(int status, std::string body, const std::string& type = "text/plain") {
        auto response = std::make_shared<http::response<http::string_body>>(
            static_cast<http::status>(status), 11);
        response->set(http::field::content_type, type);
        response->set(http::field::server, "tavolex-server");
        response->keep_alive(false);
        response->body() = std::move(body);
        response->prepare_payload();
        Send(response);
    }

    template <class Response>
    void Send(std::shared_ptr<Response> response) {
        stream_.expires_after(kRequestTimeout);
        http::async_write(stream_, *response,
                          [self = shared_from_this(), response](beast::error_code, std::size_t) {
                              beast::error_code ignored;
                              self->stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
                          });
    }

    beast::tcp_stream stream_;
    beast::flat_buffer buffer_{8 * 1024};
    http::request_parser<http::empty_body> parser_;
    WebRoutes& routes_;
};

}  // namespace

WebListener::WebListener(asio::io_context& io, const tcp::endpoint& endpoint, Database& database,
                         const ServerConfig& config)
    : acceptor_(io, endpoint), routes_(database, config) {
    Accept();
}

void WebListener::Stop() {
    boost::system::error_code ignored;
    acceptor_.close(ignored);
}

void WebListener::Accept() {
    acceptor_.async_accept([this](const boost::system::error_code& error, tcp::socket socket) {
        if (error == asio::error::operation_aborted) return;
        if (!error) std::make_shared<WebConnection>(std::move(socket), routes_)->Start();
        Accept();
    });
}

}  // namespace tavolex::server
