#include "window/properties_win.h"

#include <windows.h>

#include "app/fatal_error_win.h"
#include "app/host_win.h"
#include "window/main_window_win.h"

namespace {

// Content is the only property the handlers use; it is the control's window text.
HWND ContentWindow(WindowNumber window, ControlNumber control, Property property) {
    (void)property;
    const MainWindow* loaded = LoadedWindow(window);
    if (!loaded) ReportFatalError("未载入欲访问窗口组件所在的窗口");
    HWND handle = loaded->ControlWindow(control);
    if (!handle || !IsWindow(handle)) ReportFatalError("指定窗口尚未载入");
    return handle;
}

}  // namespace

Text ReadProperty(WindowNumber window, ControlNumber control, Property property) {
    HWND handle = ContentWindow(window, control, property);
    const int length = GetWindowTextLengthA(handle);
    if (length <= 0) return Text();
    Text text = Text::Allocate(static_cast<std::size_t>(length));
    GetWindowTextA(handle, text.data(), length + 1);
    return text;
}

void WriteProperty(WindowNumber window, ControlNumber control, Property property,
                   const Text& value) {
    SetWindowTextA(ContentWindow(window, control, property), value.c_str());
}
