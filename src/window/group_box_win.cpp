#include "window/colours_win.h"
#include "window/control_layout_win.h"
#include "window/kinds_win.h"
#include "window/main_window_win.h"

// The group box erases itself in its own background colour, and, being the parent of the
// controls inside it, passes their colour requests and button clicks on as the window would.

namespace {

LRESULT CALLBACK GroupBoxProcedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    if (LRESULT answer; AnswerColourRequest(message, wparam, lparam, answer)) return answer;
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(box, &client);
            FillRect(reinterpret_cast<HDC>(wparam), &client,
                     BrushFor(box, SettingsOf<GroupBoxSettings>(box).background));
            return 1;
        }
        case WM_COMMAND:
            RaiseClickFromCommand(wparam, lparam);
            return 0;
    }
    return CallSystemProcedure(box, message, wparam, lparam);
}

}  // namespace

ChildWindowSpec GroupBoxSpec() {
    return {.class_name = "BUTTON", .style = BS_GROUPBOX | BS_LEFT, .subclass = GroupBoxProcedure};
}

ChildWindowSpec ButtonSpec() {
    return {.class_name = "BUTTON", .style = BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE};
}
