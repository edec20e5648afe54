// The fatal error path, defined by the program (app/fatal_error.cpp): shows
// the error box and ends the process with exit code -1. The window code calls
// it for a text operation on a window that was never built.
#pragma once

#include <cstdint>
#include <string_view>

namespace tessavor {

[[noreturn]] void ReportFatalError(std::string_view message, std::int32_t errorCode);

}  // namespace tessavor
