#pragma once

#include <cstdint>
#include <string_view>

// Shows the fatal-error box (no owner, caption "错误", error icon), runs the exit step and ends
// the process with exit code -1. `code` 0 means none.
[[noreturn]] void ReportFatalError(std::string_view message, std::int32_t code = 0);
