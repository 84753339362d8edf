#pragma once

#include <windows.h>

#include "window/window_layout.h"

// Every control window of the program carries its layout entry in GWLP_USERDATA, so the window
// procedures and colour answers find their settings without a table of their own.
inline void AttachLayout(HWND control, const ControlLayout& layout) {
    SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&layout));
}
inline const ControlLayout* LayoutOf(HWND control) {
    return reinterpret_cast<const ControlLayout*>(GetWindowLongPtrA(control, GWLP_USERDATA));
}
template <typename Settings>
const Settings& SettingsOf(HWND control) {
    return std::get<Settings>(LayoutOf(control)->settings);
}
