// The time the lobby reads, behind one interface so tests can move it by hand.
#pragma once

#include <chrono>

namespace tavolex::server {

using TimePoint = std::chrono::steady_clock::time_point;

class ServerClock {
  public:
    virtual ~ServerClock() = default;
    virtual TimePoint Now() = 0;
};

class SteadyClock : public ServerClock {
  public:
    TimePoint Now() override { return std::chrono::steady_clock::now(); }
};

}  // namespace tavolex::server
