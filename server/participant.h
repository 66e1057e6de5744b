// One connected client as the lobby sees it: somewhere to deliver frames, and a way to end it.
#pragma once

#include <string_view>

namespace tavolex::server {

class Participant {
  public:
    virtual ~Participant() = default;
    // Queues one encoded frame for the client. Never calls back into the lobby: a client that
    // cannot keep up is ended later, through the lobby's Disconnected.
    virtual void Deliver(std::string_view frame) = 0;
    // Sends what is queued, then closes. The lobby has already forgotten the participant, so
    // closing never calls back into it.
    virtual void Close() = 0;
};

}  // namespace tavolex::server
