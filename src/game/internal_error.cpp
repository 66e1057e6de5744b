#include "game/internal_error.h"

#include <iostream>
#include <utility>

namespace tavolex {

namespace {
InternalErrorHandler& Handler() {
    static InternalErrorHandler handler = [](const std::string& text) {
        std::cerr << "Run-time error: " << text << '\n';
    };
    return handler;
}
}  // namespace

InternalErrorHandler SetInternalErrorHandler(InternalErrorHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

void ReportInternalError(const std::string& text) {
    if (Handler()) Handler()(text);
}

}  // namespace tavolex
