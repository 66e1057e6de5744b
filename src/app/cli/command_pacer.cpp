#include "app/cli/command_pacer.h"

#include <algorithm>
#include <thread>

namespace tavolex::cli {

void CommandPacer::Wait() {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point now = Clock::now();
    tokens_ =
        std::min(kBurst, tokens_ + std::chrono::duration<double>(now - last_).count() * kPerSecond);
    last_ = now;
    if (tokens_ < 1) {
        std::this_thread::sleep_for(std::chrono::duration<double>((1 - tokens_) / kPerSecond));
        tokens_ = 1;
        last_ = Clock::now();
    }
    tokens_ -= 1;
}

}  // namespace tavolex::cli
