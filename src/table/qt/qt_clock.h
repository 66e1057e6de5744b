// The engine's clock read from the system.
#pragma once

#include <QDateTime>

#include "game/clock.h"

namespace tavolex {

class QtClock : public Clock {
  public:
    uint32_t MillisecondsSinceStart() override {
        return static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
    }
    std::string DateTimeText() override {
        return QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm").toStdString();
    }
};

}  // namespace tavolex
