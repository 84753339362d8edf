#pragma once

#include <cstdint>
#include <optional>

#include "base/byte_data.h"

// Files of this many bytes or more are never read: the count of ByteData is used as a signed
// 32-bit length throughout.
constexpr std::uint64_t kLargestReadableFile = 0x7FFFFFFF;

// Reads the file named by `path` (code page 936) whole, in one read request, into one fresh
// block. Returns nothing when the file cannot be read: an empty name, no such file, a folder,
// a file another program holds open for writing or without read sharing, no permission, a read
// error, a file of 2 GiB or more, or no memory for the block. A readable empty file gives empty
// ByteData, which is a different answer.
//
// The file is opened with read sharing only, so nobody can change it while it is read. A file
// that shrinks before the read gives the bytes delivered; one that grows gives only as many
// bytes as it had when its length was taken.
std::optional<ByteData> ReadWholeFile(const char* path);
