#include <windowsx.h>

#include "base/gdi_win.h"
#include "window/colours_win.h"
#include "window/control_kinds_win.h"
#include "window/control_layout_win.h"
#include "window/kinds_win.h"

// A link paints its caption in its text colour, and in its pointer-over colour while the
// pointer is over it. It captures the mouse on the first move over it so that it learns when
// the pointer leaves. This program's link has no target: a press on it opens nothing, and the
// program's own response is the LeftButtonDown handler.

namespace {

constexpr char kClassName[] = "md5check.HyperLinker";
constexpr int kPointerOverSlot = 0;  // window extra bytes: whether the pointer is over the link

bool IsPointerOver(HWND link) {
    return GetWindowLongA(link, kPointerOverSlot) != 0;
}

void SetPointerOver(HWND link, bool over) {
    SetWindowLongA(link, kPointerOverSlot, over);
    InvalidateRect(link, nullptr, TRUE);
}

void Paint(HWND link) {
    PaintContext paint(link);
    const auto& settings = SettingsOf<HyperLinkerSettings>(link);
    FillRect(paint.dc(), &paint.area(), BrushFor(link, settings.background));
    const Colour colour = IsPointerOver(link) ? settings.pointer_over : settings.text;
    DrawWindowText(link, paint.dc(), ToColorRef(colour),
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
}

LRESULT CALLBACK HyperLinkerProcedure(HWND link, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers it
        case WM_PAINT:
            Paint(link);
            return 0;
        case WM_MOUSEMOVE:
            if (!IsPointerOver(link)) {
                SetPointerOver(link, true);
                SetCapture(link);
            } else {
                RECT client;
                GetClientRect(link, &client);
                const POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
                if (!PtInRect(&client, point)) ReleaseCapture();  // WM_CAPTURECHANGED follows
            }
            return 0;
        case WM_CAPTURECHANGED:
            // Also when a message box takes the capture: the pointer is no longer tracked.
            if (IsPointerOver(link)) SetPointerOver(link, false);
            return 0;
    }
    return DefWindowProcA(link, message, wparam, lparam);
}

}  // namespace

ChildWindowSpec HyperLinkerSpec() {
    RegisterChildClass(kClassName, HyperLinkerProcedure, IDC_HAND, NULL_BRUSH, sizeof(LONG));
    return {.class_name = kClassName};
}
