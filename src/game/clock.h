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
    // Today's date alone; date-and-time texts begin with the date.
    virtual std::string DateText() {
        const std::string dateTime = DateTimeText();
        return dateTime.substr(0, dateTime.find(' '));
    }
};

}  // namespace tavolex
