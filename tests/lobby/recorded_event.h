// A game-server event as a test's window received it.
#pragma once

#include <string>

namespace tavolex {

struct RecordedEvent {
    int code;
    std::string text;
    bool operator==(const RecordedEvent&) const = default;
};

}  // namespace tavolex
