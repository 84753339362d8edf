#pragma once

#include <windows.h>

#include "window/window_layout.h"

// How the native window of one control kind is made.
struct ChildWindowSpec {
    const char* class_name = nullptr;
    DWORD style = 0;  // beyond the common WS_CHILD | WS_CLIPSIBLINGS and the layout's states
    DWORD extended_style = 0;
    WNDPROC subclass = nullptr;              // for system classes whose behaviour the kind changes
    void (*after_creation)(HWND) = nullptr;  // once the layout and font are in place
};

ChildWindowSpec EditBoxSpec(const ControlLayout& layout);
ChildWindowSpec GroupBoxSpec();
ChildWindowSpec ButtonSpec();
ChildWindowSpec LabelSpec();
ChildWindowSpec TransLabelSpec();
ChildWindowSpec HyperLinkerSpec();

// Draws a window's text in the program's font, transparently, in `colour`.
void DrawWindowText(HWND window, HDC dc, COLORREF colour, UINT flags);

// Calls the system class's own procedure of a subclassed control.
LRESULT CallSystemProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
