#pragma once

#include "window/window_layout.h"

// Whether the host can build a window from `layout`: the window is a window and every control a
// known kind whose settings match it, control numbers are unique, every parent names a group
// box of the same window, and `resolves` finds a handler for every event binding.
bool IsLayoutSound(const WindowLayout& layout, bool (*resolves)(Handler));
