#pragma once

#include <windows.h>

#include "window/window_layout.h"

COLORREF ToColorRef(Colour colour);

// A brush of `colour`: the system's own for the system default, else one that lives as long as
// the main window does.
HBRUSH BrushFor(HWND any_window_of_the_program, Colour colour);

// Answers a WM_CTLCOLOR* request that a parent receives for one of its controls, with the
// control's own text and background colours. False for other messages, and for controls
// without colours of their own, which the caller leaves to the default.
bool AnswerColourRequest(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& answer);
