#include <windows.h>
#include <gtest/gtest.h>
#include <psapi.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/host_win.h"
#include "desktop/drop_effect.h"
#include "desktop/drop_target_win.h"
#include "fake_data_object.h"
#include "test_paths.h"
#include "window/handlers_win.h"
#include "window/main_window_win.h"
#include "window/properties_win.h"

// The window host running in the test process, with the real window: the property services,
// the drop-target unit and the drop handler, called directly.

namespace {

using namespace controls;

constexpr Property kContent = Property::kEditBoxContent;

class LoadedHost : public testing::Environment {
    void SetUp() override {
        InitializeHost();
        ASSERT_TRUE(LoadWindow(kMainWindowNumber));
    }
};
const auto* const kHost = testing::AddGlobalTestEnvironment(new LoadedHost);

std::string Content(ControlNumber box) {
    const Text text = ReadProperty(kMainWindowNumber, box, kContent);
    return text.is_null() ? "(null)" : std::string(text.view());
}

TEST(Properties, WhatIsWrittenReadsBackByteForByte) {
    const std::string texts[] = {
        "abc",
        "C:\\a.txt\r\nC:\\b.txt\r\n",  // CR LF pairs in a single-line box
        "请将文件用鼠标拖拉到这里自动获取", std::string(100000, 'x'),  // no length limit
    };
    for (ControlNumber box : {编辑框1, 编辑框2, 编辑框3})
        for (const std::string& text : texts) {
            WriteProperty(kMainWindowNumber, box, kContent, Text::Copy(text));
            EXPECT_EQ(Content(box), text) << box;
        }
}

TEST(Properties, EmptyContentReadsAsNull) {
    WriteProperty(kMainWindowNumber, 编辑框3, kContent, Text::Copy("abc"));
    WriteProperty(kMainWindowNumber, 编辑框3, kContent, Text());
    EXPECT_EQ(Content(编辑框3), "(null)");
    WriteProperty(kMainWindowNumber, 编辑框3, kContent, Text::Copy(""));
    EXPECT_EQ(Content(编辑框3), "(null)");
}

TEST(Host, GivesTheMainWindowsHandle) {
    HWND window = GetWindowHandle(kMainWindowNumber, kWindowItself);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ(name, "md5check.Window");
    EXPECT_EQ(GetWindowHandle(kMainWindowNumber, 编辑框1), GetDlgItem(window, 120));
}

TEST(DropTargetUnit, OnlyTheFirstRegistrationBinds) {
    HWND window = GetWindowHandle(kMainWindowNumber, kWindowItself);
    DropTargetUnit* unit = LoadedWindow(kMainWindowNumber)->DropTarget(拖放对象1);
    ASSERT_NE(unit, nullptr);
    // The Created handler bound it already; a second call binds nothing.
    EXPECT_FALSE(unit->RegisterWindow(window));
    EXPECT_FALSE(unit->RegisterWindow(GetWindowHandle(kMainWindowNumber, 编辑框3)));
    // The first registration is still in place.
    DropTargetObject other(DropTargetSettings{.accept_files = true}, kMainWindowNumber, 拖放对象1);
    EXPECT_EQ(RegisterDragDrop(window, &other), DRAGDROP_E_ALREADYREGISTERED);
}

// A target like 拖放对象1's, fed by a data object as a drag source would.
class DropTargetObjectTest : public testing::Test {
protected:
    DropTargetObject target{DropTargetSettings{.accept_files = true}, kMainWindowNumber, 拖放对象1};
    POINTL point = {10, 10};

    // Enters with `data`, then drops it; returns Drop's result and the effects seen.
    struct Outcome {
        DWORD entered, dropped;
        HRESULT result;
    };
    Outcome DragAndDrop(IDataObject& data, DWORD keys, DWORD allowed) {
        Outcome outcome = {allowed, allowed, S_OK};
        EXPECT_EQ(target.DragEnter(&data, keys, point, &outcome.entered), S_OK);
        DWORD over = allowed;
        EXPECT_EQ(target.DragOver(keys, point, &over), S_OK);
        EXPECT_EQ(over, outcome.entered);
        outcome.result = target.Drop(&data, keys, point, &outcome.dropped);
        return outcome;
    }
    void SetUp() override {
        WriteProperty(kMainWindowNumber, 编辑框1, kContent, Text::Copy("before"));
        WriteProperty(kMainWindowNumber, 编辑框2, kContent, Text::Copy("before"));
    }
};

TEST_F(DropTargetObjectTest, OneFileGivesItsPathAndDigest) {
    const std::string path = ScratchDirectory("drop") + "\\abc.txt";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "abc", 3, &written, nullptr);
    CloseHandle(file);

    FakeDataObject data = FakeDataObject::FileList({path});
    const Outcome outcome = DragAndDrop(data, 0, kDropEffectCopy | kDropEffectMove);
    EXPECT_EQ(outcome.entered, kDropEffectCopy);
    EXPECT_EQ(outcome.dropped, kDropEffectCopy);
    EXPECT_EQ(outcome.result, E_FAIL);  // also after the event was raised
    EXPECT_EQ(Content(编辑框1), path);
    EXPECT_EQ(Content(编辑框2), "900150983cd24fb0d6963f7d28e17f72");
    DeleteFileA(path.c_str());
}

TEST_F(DropTargetObjectTest, ANameLongerThan260CharactersArrivesWhole) {
    const std::string name = "C:\\" + std::string(300, 'n') + ".txt";
    FakeDataObject data = FakeDataObject::FileList({name});
    DragAndDrop(data, 0, kDropEffectCopy);
    EXPECT_EQ(Content(编辑框1), name);
    EXPECT_EQ(Content(编辑框2), "(null)") << "no file of that name can be read";
}

TEST_F(DropTargetObjectTest, AListWithoutNamesGivesTheEmptyText) {
    FakeDataObject data = FakeDataObject::FileList({});
    DragAndDrop(data, 0, kDropEffectCopy);
    EXPECT_EQ(Content(编辑框1), "(null)");
    EXPECT_EQ(Content(编辑框2), "(null)");
}

TEST_F(DropTargetObjectTest, PlainTextIsRefused) {
    FakeDataObject data = FakeDataObject::PlainText();
    const Outcome outcome = DragAndDrop(data, 0, kDropEffectCopy);
    EXPECT_EQ(outcome.entered, kDropEffectNone);
    EXPECT_EQ(outcome.dropped, kDropEffectNone);
    EXPECT_EQ(outcome.result, E_FAIL);
    EXPECT_EQ(Content(编辑框1), "before");
    EXPECT_EQ(Content(编辑框2), "before");
}

TEST_F(DropTargetObjectTest, EffectsFollowTheKeysAndAMoveIsNotReportedBack) {
    const struct {
        DWORD keys, allowed, entered, dropped;
        bool raised;
    } cases[] = {
        {0, kDropEffectMove, kDropEffectMove, kDropEffectNone, true},
        {0, kDropEffectLink, kDropEffectLink, kDropEffectLink, true},
        {MK_SHIFT, kDropEffectCopy | kDropEffectMove, kDropEffectMove, kDropEffectNone, true},
        {MK_CONTROL, kDropEffectCopy | kDropEffectMove, kDropEffectCopy, kDropEffectCopy, true},
        {MK_CONTROL | MK_SHIFT, kDropEffectCopy | kDropEffectMove, kDropEffectNone, kDropEffectNone,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "keys " << c.keys << ", allowed " << c.allowed);
        WriteProperty(kMainWindowNumber, 编辑框1, kContent, Text::Copy("before"));
        FakeDataObject data = FakeDataObject::FileList({"C:\\x.txt"});
        const Outcome outcome = DragAndDrop(data, c.keys, c.allowed);
        EXPECT_EQ(outcome.entered, c.entered);
        EXPECT_EQ(outcome.dropped, c.dropped);
        EXPECT_EQ(outcome.result, E_FAIL);
        EXPECT_EQ(Content(编辑框1), c.raised ? "C:\\x.txt" : "before");
    }
}

TEST_F(DropTargetObjectTest, LeavingForgetsTheData) {
    FakeDataObject data = FakeDataObject::FileList({"C:\\x.txt"});
    DWORD effect = kDropEffectCopy;
    target.DragEnter(&data, 0, point, &effect);
    EXPECT_EQ(target.DragLeave(), S_OK);
    effect = kDropEffectCopy;
    target.DragOver(0, point, &effect);
    EXPECT_EQ(effect, kDropEffectNone);
}

TEST(DropTargetObjectIdentity, AnswersForIUnknownAndIDropTargetOnly) {
    DropTargetObject target(DropTargetSettings{.accept_files = true}, kMainWindowNumber, 拖放对象1);
    void* object = nullptr;
    EXPECT_EQ(target.QueryInterface(IID_IDropTarget, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget*>(&target));
    EXPECT_EQ(target.QueryInterface(IID_IUnknown, &object), S_OK);
    EXPECT_EQ(target.QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(target.AddRef(), 4u);  // 1 of its own, 2 from the answers above, 1 here
    EXPECT_EQ(target.Release(), 3u);
}

struct Resources {
    HANDLE next_handle;  // kernel handles take the lowest free slot: a leak moves it up
    DWORD gdi_objects, user_objects;
    SIZE_T committed_bytes;
};

Resources Measure() {
    Resources resources = {};
    resources.next_handle = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(resources.next_handle);
    resources.gdi_objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    resources.user_objects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    resources.committed_bytes = memory.PagefileUsage;
    return resources;
}

// Closes every message box of this process as it appears, until stopped.
class BoxDismisser {
public:
    BoxDismisser() : thread_([this] { Run(); }) {}
    ~BoxDismisser() {
        stop_ = true;
        thread_.join();
    }

private:
    void Run() {
        while (!stop_) {
            EnumWindows(
                [](HWND window, LPARAM) -> BOOL {
                    DWORD process = 0;
                    GetWindowThreadProcessId(window, &process);
                    char name[16] = {};
                    GetClassNameA(window, name, sizeof name);
                    if (process == GetCurrentProcessId() && std::string(name) == "#32770" &&
                        IsWindowVisible(window))
                        PostMessageA(window, WM_COMMAND, IDOK, 0);
                    return TRUE;
                },
                0);
            Sleep(10);
        }
    }
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Every handler releases what it obtained: after many drops and copies the process holds no
// more handles, GDI or USER objects, and no more memory, than before.
TEST_F(DropTargetObjectTest, ManyDropsAndCopiesLeaveNothingBehind) {
    const std::string path = ScratchDirectory("drop") + "\\leak.bin";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string content(1 << 20, 'x');
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    FakeDataObject data = FakeDataObject::FileList({path});
    BoxDismisser dismisser;
    auto drop_and_copy = [&] {
        DragAndDrop(data, 0, kDropEffectCopy);
        HandleCopyLinkPressed({});
    };
    for (int i = 0; i < 20; ++i) drop_and_copy();  // caches and heaps settle
    const Resources before = Measure();
    for (int i = 0; i < 200; ++i) drop_and_copy();
    const Resources after = Measure();
    EXPECT_EQ(Content(编辑框2), "b561f87202d04959e37588ee05cf5b10");
    EXPECT_EQ(after.next_handle, before.next_handle);
    // 200 leaked 1 MiB files would be 200 MiB; a few pages of heap may still move about.
    EXPECT_LT(after.committed_bytes, before.committed_bytes + (1 << 20));
    // Wine reports no GDI or USER object counts (0); Windows does.
    EXPECT_LE(after.gdi_objects, before.gdi_objects);
    EXPECT_LE(after.user_objects, before.user_objects);
    DeleteFileA(path.c_str());
}

}  // namespace
