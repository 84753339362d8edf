#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "base/unique_handle_win.h"
#include "test_paths.h"

// The program started as a child process, and the means to look at it from outside as a user's
// tools would: its windows, their texts and pixels, its message boxes and its exit code.
class ProgramUnderTest {
public:
    // Starts `executable` (beside the tests unless a path is given) in `directory`, with
    // `arguments` on its command line.
    explicit ProgramUnderTest(const std::string& executable = "md5check.exe",
                              const std::string& directory = "", const std::string& arguments = "");
    // Closes the program if it still runs.
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // The main window, once it is visible; null if it does not appear within a few seconds.
    HWND Window();
    // A control of the main window by its child-window identifier (100, 110, ... 190).
    HWND Control(int identifier);
    // The top-level window of the process with that class, once it appears (e.g. "#32770").
    HWND WaitForTopLevel(const char* class_name, DWORD milliseconds = 5000);
    // The process's exit code, or STILL_ACTIVE when it has not ended within the time.
    DWORD WaitForExit(DWORD milliseconds = 10000);
    DWORD process_id() const { return process_id_; }
    HANDLE process() const { return process_.get(); }

private:
    UniqueHandle process_;
    UniqueHandle thread_;
    DWORD process_id_ = 0;
    HWND window_ = nullptr;
};

// A window's text as the window itself answers WM_GETTEXT: the bytes, in code page 936.
std::string WindowText(HWND window);
std::string ClassOf(HWND window);
// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
// The direct children of a window, from the top of the stacking order down.
std::vector<HWND> ChildrenTopDown(HWND window);
// The window that has the keyboard focus in the GUI thread that owns `window`.
HWND FocusedWindow(HWND window);
// Waits until `condition` holds, up to `milliseconds`; returns whether it did.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD milliseconds = 5000) {
    for (DWORD waited = 0;; waited += 20) {
        if (condition()) return true;
        if (waited >= milliseconds) return false;
        Sleep(20);
    }
}

// Runs an X tool (xdotool) of the Linux side and waits for it, e.g. Xdotool("key Tab").
void Xdotool(const std::string& arguments);
// Moves the X pointer to the middle of `window`, or to `x`, `y` within it.
void PointAt(HWND window);
void PointAt(HWND window, int x, int y);

// The colour of one screen pixel, as a person would see it.
COLORREF ScreenPixel(int x, int y);
// Whether any pixel of `area` (screen coordinates) has exactly `colour`.
bool AreaHasColour(const RECT& area, COLORREF colour);

// What a message box shows, read from outside.
struct MessageBoxContent {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
    bool has_icon;
    bool operator==(const MessageBoxContent&) const = default;
};
// How a test failure shows one.
std::ostream& operator<<(std::ostream& out, const MessageBoxContent& content);
MessageBoxContent ReadMessageBox(HWND box);
// Presses the box's OK button.
void PressOk(HWND box);

// The current directory of another process, as its process parameters hold it.
std::wstring CurrentDirectoryOf(HANDLE process);
