// tavolex-server: the lobby on one port and its small web service on another, in one thread.
#include <boost/asio.hpp>
#include <csignal>
#include <iostream>
#include <optional>

#include "config.h"
#include "database.h"
#include "lobby.h"
#include "lobby_listener.h"
#include "local_presence.h"
#include "web_listener.h"

using namespace tavolex::server;
namespace asio = boost::asio;

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << ConfigUsage();
        return 0;
    }
    ServerConfig config;
    if (const auto error = LoadConfig(arguments, config)) {
        std::cerr << "tavolex-server: " << *error << "\n" << ConfigUsage();
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    // A shell starts background jobs with SIGINT ignored; the server still stops on it.
    std::signal(SIGINT, SIG_DFL);
    try {
        // The I/O context outlives everything else: what stays queued in it at the end is
        // destroyed with it, and destroying a session touches nothing but its own socket.
        asio::io_context io(1);
        Database database(config.database);
        LocalPresence presence;
        SteadyClock clock;
        LobbySettings settings;
        settings.latestVersion = config.latestVersion;
        settings.minimumVersion = config.minimumVersion;
        settings.motd = ReadMotd(config.motd);
        settings.pingInterval = std::chrono::seconds(config.pingSeconds);
        settings.dropSilentAfter = std::chrono::seconds(config.dropSilentSeconds);
        settings.replaceSilentAfter = std::chrono::seconds(config.replaceSilentSeconds);

        const asio::ip::address address = asio::ip::make_address(config.listen);
        std::optional<WebListener> web;
        if (config.httpPort >= 0) {
            web.emplace(
                io, asio::ip::tcp::endpoint(address, static_cast<unsigned short>(config.httpPort)),
                database, config);
        }
        const int httpPort = web ? web->Port() : config.httpPort;
        if (config.download.empty()) {
            config.download =
                "http://" + config.publicHost + ":" + std::to_string(httpPort) + "/tvxsetup.exe";
        }
        settings.downloadAddress = config.download;
        Lobby lobby(presence, database, clock, settings);
        LobbyListener listener(
            io, asio::ip::tcp::endpoint(address, static_cast<unsigned short>(config.port)), lobby,
            config.sessionsPerAddress);
        if (web) web->SetLobbyPort(listener.Port());

        asio::signal_set signals(io, SIGINT, SIGTERM);
        asio::steady_timer grace(io);
        signals.async_wait([&](const boost::system::error_code& error, int) {
            if (error) return;
            listener.Stop();
            if (web) web->Stop();
            lobby.Shutdown();
            // The farewells get a moment to leave; then the loop ends.
            grace.expires_after(std::chrono::milliseconds(500));
            grace.async_wait([&](const boost::system::error_code&) { io.stop(); });
        });

        std::cout << "tavolex-server: lobby on " << config.listen << ":" << listener.Port()
                  << ", web on port " << httpPort << ", database " << config.database << std::endl;
        io.run();
        std::cout << "tavolex-server: stopped" << std::endl;
    } catch (const std::exception& error) {
        std::cerr << "tavolex-server: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
