// Time as the engine reads it, behind one interface so a run can be replayed.
#pragma once

#include <cstdint>
#include <string>

namespace tavolex {

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t MillisecondsSinceStart() = 0;
    virtual std::string DateTimeText() = 0;
};

}  // namespace tavolex
