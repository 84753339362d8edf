#include "digest/read_whole_file.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/unique_handle_win.h"
#include "digest/digest_text.h"
#include "test_paths.h"

namespace {

// Each test gets a fresh folder of its own.
class ReadWholeFileTest : public testing::Test {
protected:
    void SetUp() override { folder_ = ScratchDirectory("read_whole_file"); }
    void TearDown() override {
        for (const std::string& file : created_) DeleteFileA(file.c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    std::string PathOf(const std::string& name) { return folder_ + "\\" + name; }

    std::string CreateFileWith(const std::string& name, const std::string& content) {
        const std::string path = PathOf(name);
        UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_TRUE(file);
        DWORD written = 0;
        EXPECT_TRUE(WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()),
                              &written, nullptr));
        created_.push_back(path);
        return path;
    }

    // A file of `length` bytes that takes no disk space: its content reads as zeros.
    std::string CreateSparseFile(const std::string& name, LONGLONG length) {
        const std::string path = PathOf(name);
        UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_TRUE(file);
        LARGE_INTEGER end = {};
        end.QuadPart = length;
        EXPECT_TRUE(SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN));
        EXPECT_TRUE(SetEndOfFile(file.get()));
        created_.push_back(path);
        return path;
    }

    std::string folder_;
    std::vector<std::string> created_;
};

std::string DigestOf(const ByteData& data) {
    return std::string(MakeDigestText(data).view());
}

TEST_F(ReadWholeFileTest, SmallFileGivesItsBytes) {
    const std::string path = CreateFileWith("small.txt", "abc");
    const auto data = ReadWholeFile(path.c_str());
    ASSERT_TRUE(data);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data->data()), data->size()), "abc");
    EXPECT_EQ(DigestOf(*data), "900150983cd24fb0d6963f7d28e17f72");
}

TEST_F(ReadWholeFileTest, ReadableEmptyFileIsToldApartFromAFailedRead) {
    const std::string path = CreateFileWith("empty.txt", "");
    const auto data = ReadWholeFile(path.c_str());
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->empty());
    EXPECT_EQ(data->data(), nullptr);
    EXPECT_EQ(DigestOf(*data), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST_F(ReadWholeFileTest, NamesThatAreNoReadableFileFail) {
    const std::string file = CreateFileWith("a.txt", "abc");
    const std::string long_name = PathOf(std::string(270, 'x') + ".txt");
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"an empty name", ""},
        {"a missing file", PathOf("missing.txt")},
        {"a folder", folder_},
        {"two joined names", file + "\r\n" + file + "\r\n"},
        {"a path longer than 260 characters", long_name},
    };
    for (const auto& c : cases) EXPECT_FALSE(ReadWholeFile(c.path.c_str())) << c.what;
}

TEST_F(ReadWholeFileTest, FileOpenForWritingElsewhereFails) {
    const std::string path = CreateFileWith("busy.txt", "abc");
    UniqueHandle writer(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_FALSE(ReadWholeFile(path.c_str()));
}

TEST_F(ReadWholeFileTest, FileOpenForReadingWithReadSharingIsRead) {
    const std::string path = CreateFileWith("shared.txt", "abc");
    UniqueHandle reader(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);
    const auto data = ReadWholeFile(path.c_str());
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size(), 3u);
}

// A length cut to 32 bits would make the 4 GiB + 100 file look like a file of 100 bytes.
TEST_F(ReadWholeFileTest, FilesOf2GiBOrMoreFail) {
    for (LONGLONG length : {0x80000000LL, 0x100000000LL + 100}) {
        const std::string path = CreateSparseFile("huge.bin", length);
        EXPECT_FALSE(ReadWholeFile(path.c_str())) << length << " bytes";
    }
}

TEST_F(ReadWholeFileTest, LargestReadableFileIsReadWhole) {
    const std::string path = CreateSparseFile("largest.bin", 0x7FFFFFFF);
    const auto data = ReadWholeFile(path.c_str());
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size(), 0x7FFFFFFFu);
    EXPECT_EQ(DigestOf(*data), "b3dc5e51b0698ddf18d48bbf16c1153f");
}

}  // namespace
