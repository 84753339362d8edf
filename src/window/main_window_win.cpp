#include "window/main_window_win.h"

#include <algorithm>

#include "app/host_win.h"
#include "desktop/drop_target_win.h"
#include "window/colours_win.h"
#include "window/control_kinds_win.h"
#include "window/control_layout_win.h"
#include "window/focus_order.h"
#include "window/geometry.h"

namespace {

constexpr char kClassName[] = "md5check.Window";
constexpr DWORD kFrameStyle = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The main window's slot for its MainWindow; GWLP_USERDATA holds its layout like any control's.
constexpr int kObjectSlot = 0;

void RegisterWindowClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXA window_class = {};
        window_class.cbSize = sizeof window_class;
        window_class.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        window_class.lpfnWndProc = procedure;
        window_class.cbWndExtra = sizeof(LONG_PTR);
        window_class.hInstance = GetModuleHandleA(nullptr);
        window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        window_class.lpszClassName = kClassName;
        return RegisterClassExA(&window_class);
    }();
    (void)atom;
}

bool IsMainWindowClass(HWND window) {
    char name[sizeof kClassName + 1] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string_view(name) == kClassName;
}

}  // namespace

std::unique_ptr<MainWindow> MainWindow::Create(const WindowLayout& layout, HICON large_icon,
                                               HICON small_icon) {
    std::unique_ptr<MainWindow> window(new MainWindow(layout));
    if (!window->CreateFrame(large_icon, small_icon) || !window->CreateControls()) return nullptr;
    return window;
}

MainWindow::~MainWindow() {
    if (window_) {
        // Torn down by the host rather than closed: the window must not call back into a
        // MainWindow that is going away.
        SetWindowLongPtrA(window_, kObjectSlot, 0);
        DestroyWindow(window_);
    }
}

MainWindow* MainWindow::Of(HWND window) {
    HWND root = GetAncestor(window, GA_ROOT);
    if (!root || !IsMainWindowClass(root)) return nullptr;
    return reinterpret_cast<MainWindow*>(GetWindowLongPtrA(root, kObjectSlot));
}

bool MainWindow::CreateFrame(HICON large_icon, HICON small_icon) {
    RegisterWindowClass(WindowProcedure);
    const ControlLayout& frame = layout_.window;
    // The place is computed once, here: the layout's own left and top give way to it.
    const int left = CentredStart(GetSystemMetrics(SM_CXSCREEN), frame.width);
    const int top = CentredStart(GetSystemMetrics(SM_CYSCREEN), frame.height);
    window_ = CreateWindowExA(0, kClassName, frame.text, kFrameStyle, left, top, frame.width,
                              frame.height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!window_) return false;
    AttachLayout(window_, frame);

    RECT outer;
    GetWindowRect(window_, &outer);
    if (outer.right - outer.left != frame.width || outer.bottom - outer.top != frame.height)
        MoveWindow(window_, left, top, frame.width, frame.height, FALSE);
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large_icon));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return true;
}

bool MainWindow::CreateControls() {
    const auto& controls = layout_.controls;

    // Created in reverse layout order, all as children of the window, identifiers counting up.
    int identifier = kFirstChildIdentifier;
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        HWND control = nullptr;
        if (it->kind == Kind::DropTarget) {
            auto unit = DropTargetUnit::Create(*it, window_, identifier, layout_.window_number);
            if (unit) control = unit->handle();
            drop_targets_.push_back(std::move(unit));
        } else {
            control = CreateControlWindow(*it, window_, identifier);
        }
        if (!control) return false;
        controls_.push_back({&*it, control});
        identifier += kChildIdentifierStep;
    }
    std::reverse(controls_.begin(), controls_.end());  // back to layout order

    // Into their parents; a control keeps its coordinate values, which from then on count from
    // the group box's top-left corner.
    for (const Control& control : controls_)
        if (control.layout->parent != kNoParent)
            SetParent(control.window, ControlWindow(control.layout->parent));

    // Each control goes directly below the nearest earlier control with the same parent, or on
    // top of its siblings.
    for (auto it = controls_.begin(); it != controls_.end(); ++it) {
        HWND above = HWND_TOP;
        for (auto earlier = controls_.begin(); earlier != it; ++earlier)
            if (earlier->layout->parent == it->layout->parent) above = earlier->window;
        SetWindowPos(it->window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    for (const Control& control : controls_) {
        const bool shown = control.layout->visible && control.layout->kind != Kind::DropTarget;
        ShowWindow(control.window, shown ? SW_SHOWNA : SW_HIDE);
    }
    return true;
}

HWND MainWindow::ControlWindow(ControlNumber number) const {
    if (number == kWindowItself) return window_;
    for (const Control& control : controls_)
        if (control.layout->number == number) return control.window;
    return nullptr;
}

const ControlLayout* MainWindow::ControlAt(HWND window) const {
    if (window == window_) return &layout_.window;
    for (const Control& control : controls_)
        if (control.window == window) return control.layout;
    return nullptr;
}

DropTargetUnit* MainWindow::DropTarget(ControlNumber number) const {
    for (const auto& unit : drop_targets_)
        if (unit->number() == number) return unit.get();
    return nullptr;
}

void MainWindow::Show() {
    ShowWindow(window_, SW_SHOW);
    PassFocusOn();
}

HBRUSH MainWindow::SolidBrush(COLORREF colour) {
    for (const auto& [brush_colour, brush] : brushes_)
        if (brush_colour == colour) return static_cast<HBRUSH>(brush.get());
    brushes_.emplace_back(colour, UniqueGdiObject(CreateSolidBrush(colour)));
    return static_cast<HBRUSH>(brushes_.back().second.get());
}

std::vector<ControlNumber> MainWindow::TabOrderNow() const {
    std::vector<TabStopCandidate> candidates;
    for (const Control& control : controls_)
        candidates.push_back({control.layout->number, control.layout->focus_rank,
                              control.layout->tab_stop && IsWindowVisible(control.window) &&
                                  IsWindowEnabled(control.window)});
    return TabOrder(candidates);
}

void MainWindow::MoveFocus(bool forward) {
    const ControlLayout* focused = ControlAt(GetFocus());
    const ControlNumber next =
        NextTabStop(TabOrderNow(), focused ? focused->number : kWindowItself, forward);
    if (HWND target = next ? ControlWindow(next) : nullptr) SetFocus(target);
}

// The control that had the focus when the window was last deactivated, else the first tab stop.
void MainWindow::PassFocusOn() {
    if (focus_when_deactivated_ && IsWindow(focus_when_deactivated_)) {
        SetFocus(focus_when_deactivated_);
        return;
    }
    const std::vector<ControlNumber> order = TabOrderNow();
    if (!order.empty()) SetFocus(ControlWindow(order.front()));
}

bool MainWindow::PreTranslateKey(const MSG& message) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    const auto& settings = std::get<WindowSettings>(layout_.window.settings);
    switch (message.wParam) {
        case VK_TAB:
            if (ctrl || alt) return false;
            MoveFocus(!shift);
            return true;
        case VK_ESCAPE:
            if (ctrl || shift || alt || !settings.escape_closes) return false;
            PostMessageA(window_, WM_CLOSE, 0, 0);
            return true;
        case VK_RETURN:
        case VK_F1:
            // Neither moves the focus nor opens help here, and no control claims them.
            return !(ctrl || shift || alt);
        default:
            return false;
    }
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* object =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        object->window_ = window;
        SetWindowLongPtrA(window, kObjectSlot, reinterpret_cast<LONG_PTR>(object));
    }
    auto* object = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, kObjectSlot));
    if (!object) return DefWindowProcA(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        object->window_ = nullptr;
        WindowGone(object);  // frees the object
        return DefWindowProcA(window, message, wparam, lparam);
    }
    return object->HandleMessage(message, wparam, lparam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (LRESULT answer; AnswerColourRequest(message, wparam, lparam, answer)) return answer;
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the whole client area
        case WM_COMMAND:
            RaiseClickFromCommand(wparam, lparam);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wparam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(window_, focus)) focus_when_deactivated_ = focus;
            } else if (!HIWORD(wparam)) {
                PassFocusOn();
            }
            return 0;
        case WM_SETFOCUS:
            PassFocusOn();
            return 0;
    }
    return DefWindowProcA(window_, message, wparam, lparam);
}

void MainWindow::OnPaint() {
    PaintContext paint(window_);
    RECT client;
    GetClientRect(window_, &client);
    FillRect(paint.dc(), &client,
             BrushFor(window_, std::get<WindowSettings>(layout_.window.settings).background));
}

void RaiseClickFromCommand(WPARAM wparam, LPARAM lparam) {
    HWND control = reinterpret_cast<HWND>(lparam);
    if (HIWORD(wparam) != BN_CLICKED || !control) return;
    const MainWindow* window = MainWindow::Of(control);
    const ControlLayout* layout = window ? window->ControlAt(control) : nullptr;
    if (layout && layout->kind == Kind::Button)
        RaiseEvent(window->layout().window_number, layout->number, events::kClick);
}
