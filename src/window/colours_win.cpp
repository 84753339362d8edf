#include "window/colours_win.h"

#include "window/control_layout_win.h"
#include "window/main_window_win.h"

COLORREF ToColorRef(Colour colour) {
    return colour.system_default ? GetSysColor(COLOR_BTNFACE)
                                 : RGB(colour.red, colour.green, colour.blue);
}

HBRUSH BrushFor(HWND any_window_of_the_program, Colour colour) {
    MainWindow* window = MainWindow::Of(any_window_of_the_program);
    // Without its MainWindow (while it is torn down) a control gets the system's brush.
    if (colour.system_default || !window) return GetSysColorBrush(COLOR_BTNFACE);
    return window->SolidBrush(ToColorRef(colour));
}

namespace {

struct ControlColours {
    Colour text, background;
};

bool ColoursOf(const ControlLayout& layout, ControlColours& colours) {
    if (const auto* edit = std::get_if<EditBoxSettings>(&layout.settings))
        colours = {edit->text, edit->background};
    else if (const auto* group = std::get_if<GroupBoxSettings>(&layout.settings))
        colours = {group->text, group->background};
    else
        return false;
    return true;
}

}  // namespace

bool AnswerColourRequest(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& answer) {
    if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN)
        return false;
    const auto control = reinterpret_cast<HWND>(lparam);
    const ControlLayout* layout = LayoutOf(control);
    ControlColours colours;
    if (!layout || !ColoursOf(*layout, colours)) return false;
    const auto dc = reinterpret_cast<HDC>(wparam);
    SetTextColor(dc, ToColorRef(colours.text));
    SetBkColor(dc, ToColorRef(colours.background));
    answer = reinterpret_cast<LRESULT>(BrushFor(control, colours.background));
    return true;
}
