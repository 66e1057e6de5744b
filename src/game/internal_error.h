// Reports of programming faults caught by the engine's guards (a pile index out of range).
// The operation that detects one is not carried out; the front end decides how to show it.
#pragma once

#include <functional>
#include <string>

namespace tavolex {

using InternalErrorHandler = std::function<void(const std::string&)>;

// Installs the handler and returns the previous one; the default writes to stderr.
InternalErrorHandler SetInternalErrorHandler(InternalErrorHandler handler);
void ReportInternalError(const std::string& text);

}  // namespace tavolex
