#include <windows.h>

#include <cstdlib>

#include "base/unique_handle_win.h"
#include "digest/read_whole_file.h"

std::optional<ByteData> ReadWholeFile(const char* path) {
    // An empty name never touches the file system.
    if (path[0] == '\0') return std::nullopt;

    UniqueHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;

    // The length is taken in 64 bits: a length cut to 32 bits would make a file of 4 GiB + 100
    // bytes look like a file of 100 bytes.
    LARGE_INTEGER length = {};
    if (!GetFileSizeEx(file.get(), &length)) return std::nullopt;
    if (length.QuadPart < 0 || static_cast<std::uint64_t>(length.QuadPart) > kLargestReadableFile)
        return std::nullopt;
    const auto wanted = static_cast<DWORD>(length.QuadPart);
    if (wanted == 0) return ByteData();

    // The block read into is the result: a second copy would double the peak memory, and in a
    // 32-bit process a file of around 1 GiB would then not fit at all. Its lack of memory is a
    // failed read, not a fatal error.
    std::unique_ptr<std::uint8_t[], FreeDeleter> block(
        static_cast<std::uint8_t*>(std::malloc(wanted)));
    if (!block) return std::nullopt;

    DWORD delivered = 0;
    if (!ReadFile(file.get(), block.get(), wanted, &delivered, nullptr)) return std::nullopt;
    return ByteData(std::move(block), delivered);
}
