#include "app/host_win.h"

#include <ole2.h>

#include <memory>
#include <string>
#include <vector>

#include "app/fatal_error_win.h"
#include "app/module_path.h"
#include "desktop/drop_target_win.h"
#include "window/handlers_win.h"
#include "window/layout_check.h"
#include "window/main_window_win.h"
#include "window/window_layout.h"

namespace {

struct Binding {
    ControlNumber control;
    EventNumber event;
    HandlerFunction handler;
};

// An icon loaded from the executable's resources, destroyed by the exit step.
class UniqueIcon {
public:
    UniqueIcon() = default;
    ~UniqueIcon() { reset(); }
    UniqueIcon(const UniqueIcon&) = delete;
    UniqueIcon& operator=(const UniqueIcon&) = delete;

    HICON get() const { return icon_; }
    void reset(HICON icon = nullptr) {
        if (icon_) DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

struct Host {
    bool ole_initialized = false;
    const WindowLayout* registered = nullptr;
    std::vector<Binding> bindings;
    std::unique_ptr<MainWindow> loaded;
    int event_hold = 0;
    bool loop_running = false;
    UniqueIcon large_icon, small_icon;  // loaded on first use
};

Host& TheHost() {
    static Host host;
    return host;
}

HICON DefaultIcon(UniqueIcon& slot, int size) {
    if (!slot.get())
        slot.reset(static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON", IMAGE_ICON, size, size, 0)));
    return slot.get();
}

// Makes the executable's directory the current one. A path that did not fit the buffer would
// give a wrong directory, so then the current directory stays as it is.
void EnterRunDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    path[MAX_PATH - 1] = '\0';  // older systems leave a cut path without its NUL
    if (length == 0 || length >= MAX_PATH) return;
    const ModulePathParts parts = SplitModulePath({path, length});
    const std::string run_directory(parts.run_directory);
    (void)SetCurrentDirectoryA(run_directory.c_str());  // a failure keeps the old one
}

void RegisterLayout(Host& host, const WindowLayout& layout) {
    if (!IsLayoutSound(layout, [](Handler h) { return ResolveHandler(h) != nullptr; }))
        ReportFatalError("载入窗口模板数据段出错!");
    host.registered = &layout;
    auto bind = [&](const ControlLayout& control) {
        for (const EventBinding& binding : control.bindings)
            host.bindings.push_back(
                {control.number, binding.event, ResolveHandler(binding.handler)});
    };
    bind(layout.window);
    for (const ControlLayout& control : layout.controls) bind(control);
}

bool RaiseLeftButtonDown(const MainWindow& window, const MSG& message) {
    const ControlLayout* control = window.ControlAt(message.hwnd);
    if (!control || control->number == kWindowItself) return false;
    EventArguments arguments;
    arguments.x = LOWORD(message.lParam);
    arguments.y = HIWORD(message.lParam);
    arguments.key_state = (GetKeyState(VK_CONTROL) < 0 ? kCtrlDown : 0) |
                          (GetKeyState(VK_SHIFT) < 0 ? kShiftDown : 0) |
                          (GetKeyState(VK_MENU) < 0 ? kAltDown : 0);
    const WindowNumber number = window.layout().window_number;
    const HandlerResult result =
        RaiseEvent(number, control->number, events::kLeftButtonDown, arguments);
    if (!LoadedWindow(number)) return true;  // the handler's work closed the window: drop it
    return result == false;
}

// Gives the host window that holds the message's window the first look at it: the main window
// handles its keyboard navigation, and a left press on a control raises LeftButtonDown before
// the control sees it. Returns whether the message was consumed.
bool PreTranslateMessage(const MSG& message) {
    MainWindow* window = message.hwnd ? MainWindow::Of(message.hwnd) : nullptr;
    if (!window) return false;
    if (message.message == WM_KEYDOWN) return window->PreTranslateKey(message);
    if (message.message == WM_LBUTTONDOWN) return RaiseLeftButtonDown(*window, message);
    return false;
}

}  // namespace

int StartProgram() {
    InitializeHost();
    // The program's own start-up and clean-up routines are empty.
    if (!LoadWindow(kMainWindowNumber)) ReportFatalError("载入启动窗口失败");
    RunMessageLoop();
    return 0;
}

void InitializeHost() {
    Host& host = TheHost();
    if (!host.ole_initialized) {
        // A failure shows later, when the drop target cannot register.
        (void)OleInitialize(nullptr);
        host.ole_initialized = true;
    }
    EnterRunDirectory();
    RegisterLayout(host, kMainWindowLayout);
}

bool LoadWindow(WindowNumber window) {
    Host& host = TheHost();
    if (!host.registered || host.registered->window_number != window) return false;

    HoldEvents();
    host.loaded = MainWindow::Create(*host.registered, DefaultIcon(host.large_icon, 32),
                                     DefaultIcon(host.small_icon, 16));
    ReleaseEvents();
    if (!host.loaded) return false;

    RaiseEvent(window, kWindowItself, events::kCreated);
    if (MainWindow* loaded = LoadedWindow(window); loaded && loaded->layout().window.visible)
        loaded->Show();
    return true;
}

MainWindow* LoadedWindow(WindowNumber window) {
    Host& host = TheHost();
    return host.loaded && host.registered->window_number == window ? host.loaded.get() : nullptr;
}

HWND GetWindowHandle(WindowNumber window, ControlNumber control) {
    const MainWindow* loaded = LoadedWindow(window);
    HWND handle = loaded ? loaded->ControlWindow(control) : nullptr;
    if (!handle) ReportFatalError("指定窗口或窗口组件不存在或尚未载入");
    return handle;
}

void WindowGone(const MainWindow* window) {
    Host& host = TheHost();
    if (host.loaded.get() != window) return;
    host.loaded.reset();
    if (host.loop_running) PostQuitMessage(0);
}

HandlerResult RaiseEvent(WindowNumber window, ControlNumber control, EventNumber event,
                         const EventArguments& arguments) {
    const Host& host = TheHost();
    if (host.event_hold > 0 || !host.registered || host.registered->window_number != window)
        return std::nullopt;
    for (const Binding& binding : host.bindings)
        if (binding.control == control && binding.event == event) return binding.handler(arguments);
    return std::nullopt;
}

void HoldEvents() {
    ++TheHost().event_hold;
}
void ReleaseEvents() {
    --TheHost().event_hold;
}

void RunExitStep() {
    Host& host = TheHost();
    HoldEvents();
    host.loaded.reset();
    host.bindings.clear();
    host.registered = nullptr;
    host.large_icon.reset();
    host.small_icon.reset();
    if (host.ole_initialized) {
        OleUninitialize();
        host.ole_initialized = false;
    }
}

int RunMessageLoop() {
    Host& host = TheHost();
    host.loop_running = true;
    if (!host.loaded) return 0;

    MSG message;
    for (;;) {
        // No handler asks for idle time, so the idle work ends at once: GetMessageA then waits.
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (PreTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
