#include <windowsx.h>

#include <cstring>

#include "base/gdi_win.h"
#include "window/colours_win.h"
#include "window/control_layout_win.h"
#include "window/geometry.h"
#include "window/kinds_win.h"

// A one-line edit box shows its one text line centred between bands that belong to its frame:
// the bands are painted in the box's background colour, and a click on them counts as a click
// on the border, so it does not move the caret.

namespace {

int TextHeight(HWND edit, const char* sample) {
    WindowDc dc(edit, GetDC(edit));
    SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc.get(), sample, static_cast<int>(std::strlen(sample)), &size);
    return size.cy;
}

bool IsOneLine(HWND edit) {
    return !SettingsOf<EditBoxSettings>(edit).multi_line;
}

// The client area in the coordinates of the whole window.
RECT ClientInWindow(HWND edit) {
    RECT window, client;
    GetWindowRect(edit, &window);
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    return client;
}

void PaintBands(HWND edit) {
    RECT window;
    GetWindowRect(edit, &window);
    const RECT client = ClientInWindow(edit);
    RECT inner = {0, 0, window.right - window.left, window.bottom - window.top};
    InflateRect(&inner, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));

    WindowDc dc(edit, GetWindowDC(edit));
    const HBRUSH brush = BrushFor(edit, SettingsOf<EditBoxSettings>(edit).background);
    const RECT above = {inner.left, inner.top, inner.right, client.top};
    const RECT below = {inner.left, client.bottom, inner.right, inner.bottom};
    FillRect(dc.get(), &above, brush);
    FillRect(dc.get(), &below, brush);
}

LRESULT CALLBACK EditBoxProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_NCCALCSIZE: {
            const LRESULT result = CallSystemProcedure(edit, message, wparam, lparam);
            if (IsOneLine(edit)) {
                RECT& client = wparam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0]
                                      : *reinterpret_cast<RECT*>(lparam);
                const VerticalBand line =
                    CentredTextLine(client.top, client.bottom, TextHeight(edit, "W"));
                if (line.top > client.top) {
                    client.top = line.top;
                    client.bottom = line.bottom;
                }
            }
            return result;
        }
        case WM_NCPAINT: {
            const LRESULT result = CallSystemProcedure(edit, message, wparam, lparam);
            if (IsOneLine(edit)) PaintBands(edit);
            return result;
        }
        case WM_NCHITTEST: {
            POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            RECT window;
            GetWindowRect(edit, &window);
            if (IsOneLine(edit) && PtInRect(&window, point)) {
                RECT client;
                GetClientRect(edit, &client);
                ScreenToClient(edit, &point);
                if (!PtInRect(&client, point)) return HTBORDER;
            }
            break;
        }
        case WM_SETFONT: {
            // The text line's height follows the font.
            const LRESULT result = CallSystemProcedure(edit, message, wparam, lparam);
            SetWindowPos(
                edit, nullptr, 0, 0, 0, 0,
                SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return result;
        }
    }
    return CallSystemProcedure(edit, message, wparam, lparam);
}

void AfterCreation(HWND edit) {
    const ControlLayout& layout = *LayoutOf(edit);
    // A one-line box is at least one full-width character tall, plus its edges.
    const int least = TextHeight(edit, "中") + 2 * GetSystemMetrics(SM_CYEDGE);
    if (IsOneLine(edit) && layout.height < least)
        SetWindowPos(edit, nullptr, 0, 0, layout.width, least,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(edit, EM_LIMITTEXT, SettingsOf<EditBoxSettings>(edit).maximum_length, 0);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

}  // namespace

ChildWindowSpec EditBoxSpec(const ControlLayout& layout) {
    const auto& settings = std::get<EditBoxSettings>(layout.settings);
    return {.class_name = "EDIT",
            .style = ES_AUTOHSCROLL | (settings.read_only ? ES_READONLY : 0u),
            .extended_style = WS_EX_CLIENTEDGE,
            .subclass = EditBoxProcedure,
            .after_creation = AfterCreation};
}

LRESULT CallSystemProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // Subclassing changes the window's procedure, never its class's: the class still holds the
    // system's own.
    const auto system = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
    return CallWindowProcA(system, window, message, wparam, lparam);
}
