#pragma once

#include <windows.h>

#include "window/window_layout.h"

COLORREF ToColorRef(Colour colour);

// A brush of `colour`: the system's own for the system default, else one that lives as long as
// the main window does.
HBRUSH BrushFor(HWND any_window_of_the_program, Colour colour);

// Answers a WM_CTLCOLOR* request for `control` with the control's own text and background
// colours. Returns null for a control without colours, which the caller leaves to the default.
HBRUSH AnswerColourRequest(HDC dc, HWND control);
