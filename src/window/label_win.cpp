#include <string>

#include "base/gdi_win.h"
#include "window/colours_win.h"
#include "window/control_kinds_win.h"
#include "window/control_layout_win.h"
#include "window/kinds_win.h"

// Labels paint their text themselves; a transparent label paints nothing else, so what lies
// beneath it shows through.

namespace {

constexpr char kLabelClass[] = "md5check.Label";
constexpr char kTransLabelClass[] = "md5check.TransLabel";

UINT DrawFlags(Alignment alignment, bool centred_vertically, bool word_wrap) {
    UINT flags = DT_NOCLIP;
    if (alignment == Alignment::Centre) flags |= DT_CENTER;
    if (alignment == Alignment::Right) flags |= DT_RIGHT;
    if (word_wrap) return flags | DT_WORDBREAK;
    return flags | DT_SINGLELINE | (centred_vertically ? DT_VCENTER : 0u);
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers it
        case WM_PAINT: {
            PaintContext paint(label);
            const ControlLayout& layout = *LayoutOf(label);
            if (const auto* settings = std::get_if<LabelSettings>(&layout.settings)) {
                RECT client;
                GetClientRect(label, &client);
                FillRect(paint.dc(), &client, BrushFor(label, settings->background));
                DrawWindowText(label, paint.dc(), ToColorRef(settings->text),
                               DrawFlags(settings->alignment, settings->centred_vertically,
                                         settings->word_wrap));
            } else if (const auto* trans = std::get_if<TransLabelSettings>(&layout.settings)) {
                DrawWindowText(
                    label, paint.dc(), ToColorRef(trans->text),
                    DrawFlags(trans->alignment, trans->centred_vertically, trans->word_wrap));
            }
            return 0;
        }
    }
    return DefWindowProcA(label, message, wparam, lparam);
}

}  // namespace

void DrawWindowText(HWND window, HDC dc, COLORREF colour, UINT flags) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    if (length == 0) return;
    RECT client;
    GetClientRect(window, &client);
    SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextA(dc, text.c_str(), length, &client, flags);
}

ChildWindowSpec LabelSpec() {
    RegisterChildClass(kLabelClass, LabelProcedure, IDC_ARROW, NULL_BRUSH);
    return {.class_name = kLabelClass};
}

ChildWindowSpec TransLabelSpec() {
    RegisterChildClass(kTransLabelClass, LabelProcedure, IDC_ARROW, NULL_BRUSH);
    return {.class_name = kTransLabelClass, .extended_style = WS_EX_TRANSPARENT};
}
