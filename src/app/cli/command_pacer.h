// Game commands held back to what the game server lets through.
#pragma once

#include <chrono>

namespace tavolex::cli {

// The server refuses game commands beyond a burst of 200 and then 50 a second; a person never
// comes near that, a bot must keep below it.
class CommandPacer {
  public:
    // Returns when the next command may go.
    void Wait();

  private:
    static constexpr double kBurst = 150;
    static constexpr double kPerSecond = 45;
    double tokens_ = kBurst;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

}  // namespace tavolex::cli
