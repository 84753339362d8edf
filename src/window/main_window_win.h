#pragma once

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "base/gdi_win.h"
#include "desktop/drop_target_win.h"
#include "window/window_layout.h"

// The program's window, built from its layout: the frame, the controls in their parents and
// stacking order, their colours, and the focus as Tab, Esc and activation move it.
class MainWindow {
public:
    // Builds the window and its controls, all hidden, with events held back by the caller.
    // Returns null when the window or any control cannot be created, having destroyed what was
    // made.
    static std::unique_ptr<MainWindow> Create(const WindowLayout& layout, HICON large_icon,
                                              HICON small_icon);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The MainWindow that `window` (the main window or any control in it) belongs to.
    static MainWindow* Of(HWND window);

    HWND handle() const { return window_; }
    const WindowLayout& layout() const { return layout_; }

    // The live window of a control, or of the window itself for kWindowItself; null if none.
    HWND ControlWindow(ControlNumber number) const;
    // The layout of the control `window` is, when it is a control of this window.
    const ControlLayout* ControlAt(HWND window) const;
    DropTargetUnit* DropTarget(ControlNumber number) const;

    // Shows the window where its layout places it, and gives the focus to its first control.
    void Show();

    // Keyboard navigation, seen before the focused control sees the key. Returns whether the
    // key was consumed.
    bool PreTranslateKey(const MSG& message);

    // A solid brush of `colour`, made once and kept as long as the window.
    HBRUSH SolidBrush(COLORREF colour);

private:
    explicit MainWindow(const WindowLayout& layout) : layout_(layout) {}
    bool CreateFrame(HICON large_icon, HICON small_icon);
    bool CreateControls();
    std::vector<ControlNumber> TabOrderNow() const;
    void MoveFocus(bool forward);
    void PassFocusOn();

    static LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void OnPaint();

    struct Control {
        const ControlLayout* layout;
        HWND window;
    };

    const WindowLayout& layout_;
    HWND window_ = nullptr;
    std::vector<Control> controls_;
    std::vector<std::unique_ptr<DropTargetUnit>> drop_targets_;
    std::vector<std::pair<COLORREF, UniqueGdiObject>> brushes_;
    HWND focus_when_deactivated_ = nullptr;
};

// Forwards a button's BN_CLICKED as its Click event; used by every parent of a button.
void RaiseClickFromCommand(WPARAM wparam, LPARAM lparam);
