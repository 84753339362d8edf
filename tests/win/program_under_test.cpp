#include "program_under_test.h"

#include <winternl.h>

#include <algorithm>

namespace {

struct Search {
    DWORD process_id;
    const char* class_name;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process_id && IsWindowVisible(window) &&
        ClassOf(window) == search.class_name) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDescendant(HWND parent, int identifier) {
    for (HWND child : ChildrenTopDown(parent)) {
        if (GetDlgCtrlID(child) == identifier) return child;
        if (HWND found = FindDescendant(child, identifier)) return found;
    }
    return nullptr;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(const std::string& executable, const std::string& directory,
                                   const std::string& arguments) {
    const std::string path = executable.find('\\') == std::string::npos
                                 ? BuildDirectory() + "\\" + executable
                                 : executable;
    std::string command = "\"" + path + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       directory.empty() ? nullptr : directory.c_str(), &startup, &started)) {
        process_ = UniqueHandle(started.hProcess);
        thread_ = UniqueHandle(started.hThread);
        process_id_ = started.dwProcessId;
    }
}

ProgramUnderTest::~ProgramUnderTest() {
    if (!process_ || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0) return;
    // Dismiss whatever box is open, then close the window as a user would.
    for (int i = 0; i < 5; ++i) {
        Search search = {process_id_, "#32770", nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (!search.found) break;
        PressOk(search.found);
        Sleep(100);
    }
    if (window_ && IsWindow(window_)) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0)
        TerminateProcess(process_.get(), 99);
}

HWND ProgramUnderTest::WaitForTopLevel(const char* class_name, DWORD milliseconds) {
    Search search = {process_id_, class_name, nullptr};
    WaitUntil(
        [&] {
            return EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search)),
                   search.found != nullptr;
        },
        milliseconds);
    return search.found;
}

HWND ProgramUnderTest::Window() {
    if (!window_) window_ = WaitForTopLevel("md5check.Window", 15000);
    return window_;
}

HWND ProgramUnderTest::Control(int identifier) {
    return Window() ? FindDescendant(Window(), identifier) : nullptr;
}

DWORD ProgramUnderTest::WaitForExit(DWORD milliseconds) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0)
        GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> ChildrenTopDown(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND FocusedWindow(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void Xdotool(const std::string& arguments) {
    // Wine starts Linux programs too; this one drives the X server's pointer and keyboard.
    std::string command = "/usr/bin/xdotool " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return;
    UniqueHandle process(started.hProcess), thread(started.hThread);
    WaitForSingleObject(process.get(), 10000);
    Sleep(150);  // let Wine turn the X events into messages
}

void PointAt(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    Xdotool("mousemove " + std::to_string(point.x) + " " + std::to_string(point.y));
}

void PointAt(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    PointAt(window, client.right / 2, client.bottom / 2);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool AreaHasColour(const RECT& area, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    bool found = false;
    for (int y = area.top; y < area.bottom && !found; ++y)
        for (int x = area.left; x < area.right && !found; ++x)
            found = GetPixel(screen, x, y) == colour;
    ReleaseDC(nullptr, screen);
    return found;
}

MessageBoxContent ReadMessageBox(HWND box) {
    MessageBoxContent content = {WindowText(box), "", {}, false};
    for (HWND child : ChildrenTopDown(box)) {
        const std::string kind = ClassOf(child);
        if (kind == "Button") {
            content.buttons.push_back(WindowText(child));
        } else if (kind == "Static") {
            if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                content.has_icon =
                    SendMessageA(child, STM_GETICON, 0, 0) != 0 && IsWindowVisible(child);
            else if (GetDlgCtrlID(child) == 0xFFFF)
                content.text = WindowText(child);
        }
    }
    return content;
}

std::ostream& operator<<(std::ostream& out, const MessageBoxContent& content) {
    out << "caption \"" << content.caption << "\", text \"" << content.text << "\", buttons";
    for (const std::string& button : content.buttons) out << " \"" << button << "\"";
    return out << (content.has_icon ? ", an icon" : ", no icon");
}

void PressOk(HWND box) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

std::wstring CurrentDirectoryOf(HANDLE process) {
    // Offsets of the 64-bit PEB and process parameters; the tests run as x86_64 code.
    static_assert(sizeof(void*) == 8);
    constexpr SIZE_T kParametersInPeb = 0x20, kCurrentDirectoryInParameters = 0x38;
    PROCESS_BASIC_INFORMATION basic = {};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) != 0)
        return L"";
    auto read = [&](const void* address, void* into, SIZE_T size) {
        return ReadProcessMemory(process, address, into, size, nullptr) != FALSE;
    };
    const char* parameters = nullptr;
    UNICODE_STRING directory = {};
    if (!read(reinterpret_cast<const char*>(basic.PebBaseAddress) + kParametersInPeb, &parameters,
              sizeof parameters) ||
        !read(parameters + kCurrentDirectoryInParameters, &directory, sizeof directory))
        return L"";
    std::wstring text(directory.Length / sizeof(wchar_t), L'\0');
    return read(directory.Buffer, text.data(), directory.Length) ? text : L"";
}
