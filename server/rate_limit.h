// A token bucket: a burst of `burst` actions, then `perSecond` more each second.
#pragma once

#include <algorithm>

#include "server_clock.h"

namespace tavolex::server {

struct RateLimit {
    double burst;
    double perSecond;
};

class TokenBucket {
  public:
    explicit TokenBucket(RateLimit limit, TimePoint now)
        : limit_(limit), tokens_(limit.burst), last_(now) {}

    bool Take(TimePoint now) {
        const double seconds = std::chrono::duration<double>(now - last_).count();
        tokens_ = std::min(limit_.burst, tokens_ + std::max(0.0, seconds) * limit_.perSecond);
        last_ = now;
        if (tokens_ < 1.0) return false;
        tokens_ -= 1.0;
        return true;
    }

  private:
    RateLimit limit_;
    double tokens_;
    TimePoint last_;
};

}  // namespace tavolex::server
