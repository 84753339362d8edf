#pragma once

#include <windows.h>

#include "window/window_layout.h"

// Creates the native window of one control, hidden, as a child of `parent` at its layout place,
// with its kind's classes, styles, font and colours. Returns null when it cannot be created.
// Drop targets are units of their own (DropTargetUnit).
HWND CreateControlWindow(const ControlLayout& layout, HWND parent, int identifier);

// The style bits every control shares, from its layout: never WS_VISIBLE, since the loader
// shows the controls itself.
DWORD CommonControlStyle(const ControlLayout& layout);

// Registers one of the program's own child-window classes, once per process.
void RegisterChildClass(const char* name, WNDPROC procedure, LPCSTR cursor, int background,
                        int extra_bytes = 0);
