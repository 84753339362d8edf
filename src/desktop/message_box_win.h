#pragma once

#include <cstdint>

#include "base/text.h"

// Shows a modal message box with no owner and returns once the user has closed it. A null
// caption means none was given, and the box is captioned "信息：".
void ShowMessageBox(const Text& message, std::uint32_t flags, const char* caption = nullptr);
