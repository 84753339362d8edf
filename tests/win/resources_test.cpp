#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_under_test.h"

namespace {

std::string Program() {
    return BuildDirectory() + "\\md5check.exe";
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits_per_pixel;
    DWORD bytes;
    WORD identifier;
};
struct IconGroup {
    WORD reserved, type, count;
    IconGroupEntry entries[1];
};
#pragma pack(pop)

TEST(Resources, IconGroupHoldsOne32By32ImageOf32Bits) {
    HMODULE module = LoadLibraryExA(Program().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HRSRC found = FindResourceA(module, "DEFAULT_ICON", reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const IconGroup*>(LockResource(LoadResource(module, found)));
    ASSERT_EQ(group->count, 1);
    EXPECT_EQ(group->entries[0].width, 32);
    EXPECT_EQ(group->entries[0].height, 32);
    EXPECT_EQ(group->entries[0].bits_per_pixel, 32);
    for (int size : {32, 16}) {
        HANDLE icon = LoadImageA(module, "DEFAULT_ICON", IMAGE_ICON, size, size, 0);
        EXPECT_NE(icon, nullptr) << size;
        DestroyIcon(static_cast<HICON>(icon));
    }
    FreeLibrary(module);
}

TEST(Resources, VersionRecordIs4311InChinese) {
    const std::string program = Program();
    DWORD ignored = 0;
    std::vector<char> record(GetFileVersionInfoSizeA(program.c_str(), &ignored));
    ASSERT_FALSE(record.empty());
    ASSERT_TRUE(
        GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00040003u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00010001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00040003u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS | fixed->dwFileDateLS, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &size));
    ASSERT_EQ(size, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x04B0);

    for (const char* key : {"FileVersion", "ProductVersion"}) {
        char* value = nullptr;
        ASSERT_TRUE(VerQueryValueA(record.data(),
                                   (std::string("\\StringFileInfo\\080404B0\\") + key).c_str(),
                                   reinterpret_cast<void**>(&value), &size))
            << key;
        EXPECT_STREQ(value, "4.3.1.1") << key;
    }
    for (const char* key : {"FileDescription", "ProductName", "Comments", "LegalCopyright"}) {
        char* value = nullptr;
        EXPECT_TRUE(VerQueryValueA(record.data(),
                                   (std::string("\\StringFileInfo\\080404B0\\") + key).c_str(),
                                   reinterpret_cast<void**>(&value), &size) &&
                    size > 1)
            << key;
    }
    char* name = nullptr;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\StringFileInfo\\080404B0\\ProductName",
                               reinterpret_cast<void**>(&name), &size));
    EXPECT_STREQ(name, "一键效验文件MD5值");
}

}  // namespace
