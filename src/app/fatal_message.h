#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The text of the fatal-error box: "运行时出错!" and a blank line, then the code when there is
// one, then the message when there is one.
std::string ComposeFatalText(std::string_view message, std::int32_t code);

// The message of the allocation stop, naming the number of bytes asked for.
std::string AllocationFailureMessage(std::size_t bytes);
