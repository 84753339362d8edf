#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "child_identifiers.h"
#include "program_under_test.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    ProgramUnderTest program;
    HWND window = program.Window();
    HWND Control(int identifier) { return program.Control(identifier); }
};

TEST_F(MainWindowTest, FrameIsCentredOnTheScreenAndCannotBeResized) {
    ASSERT_NE(window, nullptr);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, 302);
    EXPECT_EQ(frame.top, 279);
    EXPECT_EQ(frame.right - frame.left, 419);
    EXPECT_EQ(frame.bottom - frame.top, 209);
    // The system adds WS_CLIPSIBLINGS to every top-level window.
    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), 0x02CA0000u);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(WindowText(window).rfind("一键效验文件MD5值  ", 0), 0u) << WindowText(window);
}

// The title bar shows the program's icon: a blue square with a white check mark.
TEST_F(MainWindowTest, TitleBarShowsTheProgramsIcon) {
    ASSERT_NE(window, nullptr);
    const COLORREF icon_blue = RGB(0x19, 0x76, 0xD2);
    ASSERT_NE(GetSysColor(COLOR_ACTIVECAPTION), icon_blue);
    ASSERT_NE(GetSysColor(COLOR_GRADIENTACTIVECAPTION), icon_blue);
    RECT frame;
    GetWindowRect(window, &frame);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    const RECT icon_area = {frame.left, frame.top, frame.left + caption + 8,
                            frame.top + caption + 4};
    EXPECT_TRUE(WaitUntil([&] { return AreaHasColour(icon_area, icon_blue); }));
}

TEST_F(MainWindowTest, EveryControlIsWhereTheLayoutPutsIt) {
    ASSERT_NE(window, nullptr);
    HWND group = Control(k分组框1);
    // clang-format off
    const struct {
        int identifier;
        const char* class_name;
        HWND parent;
        RECT place;   // in the parent's client area
        DWORD style;  // without WS_VISIBLE
        DWORD extended_style;
        const char* text;
        bool visible;
    } expected[] = {
        {k按钮1, "Button", group, {360, 115, 408, 147}, 0x44012F00, 0, "对比", true},
        {k标签1, "md5check.Label", group, {16, 117, 96, 141}, 0x44000000, 0, "需对比MD5值:", true},
        {k编辑框3, "Edit", group, {104, 117, 352, 149}, 0x44010080, WS_EX_CLIENTEDGE, "", true},
        {k超级链接框3, "md5check.HyperLinker", group, {360, 81, 395, 97}, 0x44000000, 0, "复制", true},
        {k透明标签2, "md5check.TransLabel", window, {27, 64, 91, 88}, 0x44000000,
         WS_EX_TRANSPARENT, "文件MD5值：", true},
        {k透明标签1, "md5check.TransLabel", window, {26, 32, 90, 56}, 0x44000000,
         WS_EX_TRANSPARENT, "文件 路径：", true},
        {k编辑框2, "Edit", window, {104, 72, 352, 96}, 0x44010880, WS_EX_CLIENTEDGE, "", true},
        {k编辑框1, "Edit", window, {105, 32, 352, 56}, 0x44010880, WS_EX_CLIENTEDGE,
         "请将文件用鼠标拖拉到这里自动获取", true},
        {k拖放对象1, "md5check.DropTarget", window, {8, 232, 32, 264}, 0x44000000, 0, "", false},
        {k分组框1, "Button", window, {0, -3, 416, 178}, 0x44000107, 0, "", true},
    };
    // clang-format on
    for (const auto& e : expected) {
        SCOPED_TRACE(e.identifier);
        HWND control = Control(e.identifier);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassOf(control), e.class_name);
        EXPECT_EQ(GetParent(control), e.parent);
        const RECT place = RectInParent(control);
        EXPECT_EQ(place.left, e.place.left);
        EXPECT_EQ(place.top, e.place.top);
        EXPECT_EQ(place.right, e.place.right);
        EXPECT_EQ(place.bottom, e.place.bottom);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & ~WS_VISIBLE, e.style);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)), e.extended_style);
        EXPECT_EQ(WindowText(control), e.text);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, e.visible);
    }
}

TEST_F(MainWindowTest, ControlsAreStackedInLayoutOrder) {
    ASSERT_NE(window, nullptr);
    auto identifiers = [](HWND parent) {
        std::vector<int> result;
        for (HWND child : ChildrenTopDown(parent)) result.push_back(GetDlgCtrlID(child));
        return result;
    };
    EXPECT_EQ(identifiers(window),
              (std::vector<int>{k透明标签2, k透明标签1, k编辑框2, k编辑框1, k拖放对象1, k分组框1}));
    EXPECT_EQ(identifiers(Control(k分组框1)),
              (std::vector<int>{k按钮1, k标签1, k编辑框3, k超级链接框3}));
}

TEST_F(MainWindowTest, ColoursAreTheLayoutsOnScreen) {
    ASSERT_NE(window, nullptr);
    auto screen_rect = [](HWND control) {
        RECT rect;
        GetClientRect(control, &rect);
        MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    const COLORREF white = RGB(255, 255, 255);
    ASSERT_TRUE(WaitUntil([&] {
        return AreaHasColour(screen_rect(Control(k编辑框1)), RGB(96, 96, 96));
    })) << "编辑框1's hint is drawn in grey";
    for (int box : {k编辑框1, k编辑框2, k编辑框3}) {
        const RECT area = screen_rect(Control(box));
        EXPECT_EQ(ScreenPixel(area.right - 3, area.top + 1), white) << box << " is white";
        EXPECT_EQ(ScreenPixel(area.right - 3, area.bottom - 2), white) << box << " is white";
    }
    // The bands above and below 编辑框3's text line are white too.
    RECT box3;
    GetWindowRect(Control(k编辑框3), &box3);
    EXPECT_EQ(ScreenPixel(box3.right - 5, box3.top + 3), white);
    EXPECT_EQ(ScreenPixel(box3.right - 5, box3.bottom - 3), white);

    // The window's background, between the controls.
    POINT gap = {8, 100};
    ClientToScreen(window, &gap);
    EXPECT_EQ(ScreenPixel(gap.x, gap.y), GetSysColor(COLOR_BTNFACE));

    HWND link = Control(k超级链接框3);
    EXPECT_TRUE(AreaHasColour(screen_rect(link), RGB(0, 0, 255))) << "the link is blue";
    PointAt(link);
    EXPECT_TRUE(WaitUntil([&] { return AreaHasColour(screen_rect(link), RGB(128, 128, 128)); }))
        << "grey under the pointer";
    EXPECT_FALSE(AreaHasColour(screen_rect(link), RGB(0, 0, 255)));
    PointAt(window, 10, 160);
    EXPECT_TRUE(WaitUntil([&] { return AreaHasColour(screen_rect(link), RGB(0, 0, 255)); }))
        << "blue again once the pointer has left";
}

TEST_F(MainWindowTest, TabCyclesThroughTheBoxesAndTheButton) {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(window) == Control(k编辑框1); }));
    DWORD start = 1, end = 1;
    SendMessageA(Control(k编辑框1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);

    for (int next : {k编辑框2, k编辑框3, k按钮1, k编辑框1}) {
        Xdotool("key Tab");
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(window) == Control(next); })) << next;
    }
    for (int previous : {k按钮1, k编辑框3}) {
        Xdotool("key shift+Tab");
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(window) == Control(previous); }))
            << previous;
    }
}

TEST_F(MainWindowTest, EnterAndF1DoNothing) {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(window) == Control(k编辑框1); }));
    Xdotool("key Tab Tab");  // into 编辑框3, the box that takes typing
    Xdotool("type abc");
    Xdotool("key Return F1");
    Xdotool("key Tab");  // the button
    Xdotool("key Return");
    Sleep(300);
    EXPECT_EQ(WindowText(Control(k编辑框3)), "abc");
    EXPECT_EQ(program.WaitForTopLevel("#32770", 300), nullptr) << "no box opened";
    EXPECT_EQ(program.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(MainWindowTest, FocusComesBackToTheControlThatHadIt) {
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(window) == Control(k编辑框1); }));
    Xdotool("key Tab Tab");
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(window) == Control(k编辑框3); }));
    ProgramUnderTest other;  // takes the activation away
    ASSERT_NE(other.Window(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other.Window(); }));
    SetWindowPos(other.Window(), nullptr, 0, 540, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A click on the title bar activates the window without pointing at any control.
    RECT frame;
    GetWindowRect(window, &frame);
    Xdotool("mousemove " + std::to_string(frame.left + 150) + " " + std::to_string(frame.top + 8) +
            " click 1");
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(window) == Control(k编辑框3); }));
}

TEST(ClosingTheWindow, EndsTheProgramWithExitCodeZero) {
    for (const char* keys : {"Escape", "alt+F4"}) {
        ProgramUnderTest program;
        ASSERT_NE(program.Window(), nullptr);
        ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(program.Window()) != nullptr; }));
        Xdotool(std::string("key ") + keys);
        EXPECT_EQ(program.WaitForExit(), 0u) << keys;
    }
    ProgramUnderTest program;
    ASSERT_NE(program.Window(), nullptr);
    PostMessageA(program.Window(), WM_CLOSE, 0, 0);  // the close box
    EXPECT_EQ(program.WaitForExit(), 0u);
}

// The program runs in its own directory, whatever directory it was started in, also when that
// directory's name holds a character whose second byte is 0x5C, the byte of a backslash.
TEST(RunDirectory, IsTheExecutablesDirectory) {
    const std::string directory = ScratchDirectory("乗目录");
    const std::string copy = directory + "\\md5check.exe";
    ASSERT_TRUE(CopyFileA((BuildDirectory() + "\\md5check.exe").c_str(), copy.c_str(), FALSE))
        << GetLastError() << " " << copy;
    {
        ProgramUnderTest program(copy, "C:\\");
        ASSERT_NE(program.Window(), nullptr);
        wchar_t expected[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, (directory + "\\").c_str(), -1, expected, MAX_PATH);
        EXPECT_EQ(CurrentDirectoryOf(program.process()), expected);
    }
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(directory.c_str());
}

TEST(DamagedLayout, IsAFatalErrorWithExitCodeMinusOne) {
    ProgramUnderTest program("md5check_damaged_layout.exe");
    HWND box = program.WaitForTopLevel("#32770", 15000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(
        ReadMessageBox(box),
        (MessageBoxContent{
            "错误", "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n", {"确定"}, true}));
    PressOk(box);
    EXPECT_EQ(program.WaitForExit(), static_cast<DWORD>(-1));
}

}  // namespace
