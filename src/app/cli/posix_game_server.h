// The game-server library on a plain blocking socket, for the command-line tool: events are
// read only while the caller pumps.
#pragma once

#include <string>

#include "lobby/game_server_client.h"

namespace tavolex::cli {

class PosixGameServer : public GameServerClient {
  public:
    static constexpr int kConnectMilliseconds = 5000;
    ~PosixGameServer() override;

    // Reads what arrives for up to milliseconds, or until stop() says enough; events go to the
    // window of GS_Connect as they are decoded.
    template <typename Stop>
    void Pump(int milliseconds, Stop stop) {
        const long long end = NowMilliseconds() + milliseconds;
        for (long long now = NowMilliseconds(); Connected() && !stop() && now < end;
             now = NowMilliseconds()) {
            ReadFor(static_cast<int>(end - now));
        }
    }

  protected:
    bool OpenConnection(const std::string& host, int port) override;
    void Transmit(const std::string& bytes) override;
    void CloseConnection() override;

  private:
    static long long NowMilliseconds();
    // Waits up to milliseconds for bytes and hands them on; the end of the stream closes.
    void ReadFor(int milliseconds);

    int socket_ = -1;
};

}  // namespace tavolex::cli
