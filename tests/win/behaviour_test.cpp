#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "child_identifiers.h"
#include "program_under_test.h"

// "复制" and "对比" as a user meets them: pressed with the real mouse, the boxes read from
// outside, the clipboard read and held by this other process.

namespace {

constexpr char kDigest[] = "900150983cd24fb0d6963f7d28e17f72";

// This process's own window, so that the clipboard it opens is held by a window: the system
// tells clipboard holders apart by their windows.
class ClipboardWindow {
public:
    ClipboardWindow()
        : window_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr)) {}
    ~ClipboardWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_;
};

std::string ClipboardText() {
    ClipboardWindow owner;
    if (!WaitUntil([&] { return OpenClipboard(owner.get()) != FALSE; })) return "(cannot open)";
    std::string text = "(no text)";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const std::string& text) {
    ClipboardWindow owner;
    ASSERT_TRUE(WaitUntil([&] { return OpenClipboard(owner.get()) != FALSE; }));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

class BehaviourTest : public testing::Test {
protected:
    ProgramUnderTest program;
    HWND window = program.Window();

    HWND Box(int identifier) { return program.Control(identifier); }
    void SetText(int identifier, const std::string& text) {
        SendMessageA(Box(identifier), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void Press(int identifier, int button = 1) {
        PointAt(Box(identifier));
        Xdotool("click " + std::to_string(button));
    }
    HWND OpenBox(DWORD milliseconds = 5000) {
        return program.WaitForTopLevel("#32770", milliseconds);
    }
    // Closes the box and waits until the window takes clicks again.
    void Dismiss(HWND box) {
        PressOk(box);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) && IsWindowEnabled(window); }));
    }
};

TEST_F(BehaviourTest, CopyPutsExactlyTheDigestOnTheClipboardAndConfirms) {
    ASSERT_NE(window, nullptr);
    SetClipboardText("someone else's");
    SetText(k编辑框2, kDigest);
    Press(k超级链接框3);
    HWND box = OpenBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ReadMessageBox(box),
              (MessageBoxContent{"提示", "已经成功复制到系统剪切板！", {"确定"}, true}));
    EXPECT_FALSE(IsWindowEnabled(window)) << "the box is modal";
    EXPECT_EQ(ClipboardText(), kDigest);
    Dismiss(box);
}

TEST_F(BehaviourTest, CopyWithoutADigestDoesNothing) {
    ASSERT_NE(window, nullptr);
    SetClipboardText("someone else's");
    Press(k超级链接框3);
    EXPECT_EQ(OpenBox(1000), nullptr);
    EXPECT_EQ(ClipboardText(), "someone else's");
}

TEST_F(BehaviourTest, CopyWhileAnotherProgramHoldsTheClipboardDoesNothing) {
    ASSERT_NE(window, nullptr);
    SetClipboardText("held");
    SetText(k编辑框2, kDigest);
    {
        ClipboardWindow holder;
        ASSERT_TRUE(OpenClipboard(holder.get()));
        Press(k超级链接框3);
        EXPECT_EQ(OpenBox(1000), nullptr);
        CloseClipboard();
    }
    EXPECT_EQ(ClipboardText(), "held");
}

TEST_F(BehaviourTest, RightButtonAndReleaseOnTheLinkDoNothing) {
    ASSERT_NE(window, nullptr);
    SetText(k编辑框2, kDigest);
    Press(k超级链接框3, 3);
    Xdotool("mouseup 1");
    EXPECT_EQ(OpenBox(1000), nullptr);
}

TEST_F(BehaviourTest, CompareTellsWhetherTheBoxesHoldTheSameBytes) {
    ASSERT_NE(window, nullptr);
    const std::string upper = "900150983CD24FB0D6963F7D28E17F72";
    const struct {
        std::string digest, expected, verdict;
    } cases[] = {
        {kDigest, kDigest, "MD5一致，正确！"},
        {kDigest, upper, "MD5不一致,错误！"},
        {kDigest, std::string(" ") + kDigest, "MD5不一致,错误！"},
        {kDigest, std::string(kDigest) + " ", "MD5不一致,错误！"},
        {"", "", "MD5一致，正确！"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.digest + "\" vs \"" + c.expected + "\"");
        SetText(k编辑框2, c.digest);
        SetText(k编辑框3, c.expected);
        Press(k按钮1);
        HWND box = OpenBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ReadMessageBox(box), (MessageBoxContent{"信息：", c.verdict, {"确定"}, false}));
        Dismiss(box);
    }
}

}  // namespace
