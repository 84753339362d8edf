#pragma once

#include <cstdint>
#include <optional>

#include "base/text.h"

// What a raised event hands its handler. Only the fields of that event are set.
struct EventArguments {
    const Text* text = nullptr;  // FilesDropped: owned by the raiser, read only
    std::int32_t x = 0, y = 0;   // LeftButtonDown: the press, in the control's client area
    std::int32_t key_state = 0;  // LeftButtonDown: 1 Ctrl, 2 Shift, 4 Alt
};

// A handler may end with a value or without one; the raiser learns which.
using HandlerResult = std::optional<bool>;
using HandlerFunction = HandlerResult (*)(const EventArguments&);

// Key-state bits of LeftButtonDown.
constexpr std::int32_t kCtrlDown = 1, kShiftDown = 2, kAltDown = 4;
