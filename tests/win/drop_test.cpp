#include <windows.h>
#include <gtest/gtest.h>
#include <ole2.h>

#include <string>
#include <vector>

#include "child_identifiers.h"
#include "program_under_test.h"

// Real drops through OLE: a drag source in another process starts the drag, and the X mouse
// carries it over the program's window, as a user dragging from the shell would.

namespace {

constexpr DWORD kNone = DROPEFFECT_NONE, kCopy = DROPEFFECT_COPY, kMove = DROPEFFECT_MOVE;
constexpr char kDigestOfAbc[] = "900150983cd24fb0d6963f7d28e17f72";

struct DragOutcome {
    DWORD while_dragging;  // the effect the target chose last
    DWORD after_drop;      // the effect the target reported after the drop
};

// Drags from the source's window in the top-left corner onto the middle of `target`, holding
// `keys` (xdotool's names) from before the drag starts until after the drop.
DragOutcome DragOnto(HWND target, DWORD allowed, const std::string& source_arguments,
                     const std::string& keys = "") {
    ProgramUnderTest source("drag_source.exe", "",
                            std::to_string(allowed) + " " + source_arguments);
    EXPECT_NE(source.WaitForTopLevel("drag_source"), nullptr);
    Xdotool("mousemove 40 40");
    if (!keys.empty()) Xdotool("keydown " + keys);
    Xdotool("mousedown 1");
    RECT area;
    GetWindowRect(target, &area);
    const int x = (area.left + area.right) / 2, y = (area.top + area.bottom) / 2;
    for (int step = 1; step <= 4; ++step)
        Xdotool("mousemove " + std::to_string(40 + (x - 40) * step / 4) + " " +
                std::to_string(40 + (y - 40) * step / 4));
    Xdotool("mouseup 1");
    if (!keys.empty()) Xdotool("keyup " + keys);
    const DWORD code = source.WaitForExit();
    return {code >> 4, code & 15};
}

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

class DropTest : public testing::Test {
protected:
    ProgramUnderTest program;
    HWND window = program.Window();
    const std::string folder = ScratchDirectory("drop");

    HWND Box(int identifier) { return program.Control(identifier); }
    void SetText(HWND control, const char* text) {
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    std::string MakeFile(const std::string& name, const std::string& content) {
        const std::string path = folder + "\\" + name;
        HANDLE file =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
        return path;
    }
};

TEST_F(DropTest, AFileDroppedAnywhereOnTheWindowShowsItsPathAndDigest) {
    ASSERT_NE(window, nullptr);
    const std::string file = MakeFile("测试 文件.txt", "abc");
    for (int over : {k编辑框1, k编辑框3, k按钮1}) {
        SCOPED_TRACE(over);
        SetText(Box(k编辑框1), "");
        SetText(Box(k编辑框2), "");
        const DragOutcome outcome = DragOnto(Box(over), kCopy | kMove, "files " + Quoted(file));
        EXPECT_EQ(WindowText(Box(k编辑框1)), file);
        EXPECT_EQ(WindowText(Box(k编辑框2)), kDigestOfAbc);
        EXPECT_EQ(outcome.while_dragging, kCopy);
        EXPECT_EQ(outcome.after_drop, kCopy);
    }
}

TEST_F(DropTest, WhatCannotBeReadShowsItsPathButNoDigest) {
    ASSERT_NE(window, nullptr);
    const std::string a = MakeFile("a.txt", "abc"), b = MakeFile("b.txt", "abc");
    const std::string busy = MakeFile("busy.txt", "abc");
    HANDLE writer = CreateFileA(busy.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    const struct {
        const char* what;
        std::string arguments, shown;
    } cases[] = {
        {"two files", Quoted(a) + " " + Quoted(b), a + "\r\n" + b + "\r\n"},
        {"a folder", Quoted(folder), folder},
        {"a file open for writing elsewhere", Quoted(busy), busy},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetText(Box(k编辑框2), kDigestOfAbc);
        DragOnto(Box(k编辑框1), kCopy, "files " + c.arguments);
        EXPECT_EQ(WindowText(Box(k编辑框1)), c.shown);
        EXPECT_EQ(WindowText(Box(k编辑框2)), "");
    }
    CloseHandle(writer);
}

TEST_F(DropTest, PlainTextAndCtrlShiftAreRefused) {
    ASSERT_NE(window, nullptr);
    const std::string file = MakeFile("a.txt", "abc");
    const struct {
        const char* what;
        std::string arguments, keys;
    } cases[] = {
        {"plain text", "text", ""},
        {"Ctrl+Shift", "files " + Quoted(file), "ctrl+shift"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetText(Box(k编辑框1), "before");
        SetText(Box(k编辑框2), "before");
        const DragOutcome outcome = DragOnto(Box(k编辑框1), kCopy | kMove, c.arguments, c.keys);
        EXPECT_EQ(outcome.while_dragging, kNone);
        EXPECT_EQ(outcome.after_drop, kNone);
        EXPECT_EQ(WindowText(Box(k编辑框1)), "before");
        EXPECT_EQ(WindowText(Box(k编辑框2)), "before");
    }
}

// A source that trusted a reported move would delete the user's file.
TEST_F(DropTest, AMoveOnlySourceIsNotToldThatItsFileWasMoved) {
    ASSERT_NE(window, nullptr);
    const std::string file = MakeFile("a.txt", "abc");
    const DragOutcome outcome = DragOnto(Box(k编辑框1), kMove, "files " + Quoted(file));
    EXPECT_EQ(outcome.while_dragging, kMove);
    EXPECT_EQ(outcome.after_drop, kNone);
    EXPECT_EQ(WindowText(Box(k编辑框2)), kDigestOfAbc);
}

TEST_F(DropTest, ASecondDropReplacesBothBoxesAndKeepsWhatWasTyped) {
    ASSERT_NE(window, nullptr);
    const std::string first = MakeFile("first.txt", "abc"), second = MakeFile("second.txt", "");
    PointAt(Box(k编辑框3));
    Xdotool("click 1");
    Xdotool("type typed");
    DragOnto(Box(k编辑框1), kCopy, "files " + Quoted(first));
    DragOnto(Box(k编辑框1), kCopy, "files " + Quoted(second));
    EXPECT_EQ(WindowText(Box(k编辑框1)), second);
    EXPECT_EQ(WindowText(Box(k编辑框2)), "d41d8cd98f00b204e9800998ecf8427e") << "an empty file";
    EXPECT_EQ(WindowText(Box(k编辑框3)), "typed");
}

}  // namespace
