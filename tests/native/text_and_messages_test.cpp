#include <gtest/gtest.h>

#include "app/fatal_message.h"
#include "app/module_path.h"
#include "base/text.h"
#include "desktop/message_box_style.h"

namespace {

TEST(TextEquals, IsAnExactUnsignedByteComparison) {
    const struct {
        const char* a;  // null: a null Text
        const char* b;
        int expected;
    } cases[] = {
        {nullptr, nullptr, 0},
        {nullptr, "", 0},
        {"", nullptr, 0},
        {nullptr, "a", -1},
        {"a", nullptr, 1},
        {"d41d8cd98f00b204e9800998ecf8427e", "d41d8cd98f00b204e9800998ecf8427e", 0},
        {"d41d8cd98f00b204e9800998ecf8427e", "D41D8CD98F00B204E9800998ECF8427E", 1},
        {"abc", " abc", 1},
        {"abc", "abc ", -1},
        {"\x7f", "\x80", -1},  // unsigned: 0x80 is the larger byte
        {"中", "中", 0},
    };
    for (const auto& c : cases) {
        const Text a = c.a ? Text::Copy(c.a) : Text();
        const Text b = c.b ? Text::Copy(c.b) : Text();
        EXPECT_EQ(TextEquals(a, b), c.expected)
            << (c.a ? c.a : "(null)") << " vs " << (c.b ? c.b : "(null)");
    }
}

TEST(FatalText, NamesCodeAndMessageWhenGiven) {
    EXPECT_EQ(ComposeFatalText("载入窗口模板数据段出错!", 0),
              "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n");
    EXPECT_EQ(ComposeFatalText("", 0), "运行时出错!\r\n\r\n");
    EXPECT_EQ(ComposeFatalText("x", -5), "运行时出错!\r\n\r\n错误代码：-5\r\n\r\n错误信息：x\r\n");
    EXPECT_EQ(AllocationFailureMessage(4096), "分配 4096 字节内存失败!");
}

TEST(MessageBoxStyle, IsTaskModalUnlessSystemModal) {
    EXPECT_EQ(MessageBoxStyle(0), 0x2000u);
    EXPECT_EQ(MessageBoxStyle(64), 0x2040u);
    EXPECT_EQ(MessageBoxStyle(0x1040), 0x1040u);
    EXPECT_STREQ(kDefaultCaption, "信息：");
}

TEST(ModulePath, SplitsAtTheLastBackslashThatIsNotATrailByte) {
    const struct {
        std::string path, directory, file;
    } cases[] = {
        {"C:\\tools\\md5check.exe", "C:\\tools", "md5check.exe"},
        {"md5check.exe", "", "md5check.exe"},
        // 乗 is 0x81 0x5C in code page 936: its trail byte is no backslash.
        {"C:\\工具\\乗\\md5check.exe", "C:\\工具\\乗", "md5check.exe"},
        {"C:\\a\\乗.exe", "C:\\a", "乗.exe"},
    };
    for (const auto& c : cases) {
        const ModulePathParts parts = SplitModulePath(c.path);
        EXPECT_EQ(parts.run_directory, c.directory) << c.path;
        EXPECT_EQ(parts.file_name, c.file) << c.path;
    }
}

TEST(AllocationStop, IsReachedWhenAResultBlockCannotBeHad) {
    EXPECT_THROW(Text::Allocate(~std::size_t{0} / 2), std::bad_alloc);
}

}  // namespace
