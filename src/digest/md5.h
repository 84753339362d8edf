#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// MD5 as RFC 1321 defines it.
//
// The state is kept in the layout the algorithm describes: the partial block, the 64-bit
// count of message bits (low word first), then the chaining words A, B, C and D.
struct Md5Context {
    std::uint8_t block[64];
    std::uint32_t bit_count[2];
    std::uint32_t a, b, c, d;
};

using Md5Digest = std::array<std::uint8_t, 16>;

// Sets the chaining words to RFC 1321's initial values, with nothing absorbed yet.
void Md5Init(Md5Context& context);

// Absorbs `size` bytes. Whole blocks are compressed straight from `data`; only a partial block
// at either end is copied into the context.
void Md5Update(Md5Context& context, const void* data, std::size_t size);

// Pads, appends the bit count and returns the 16 digest bytes. The context is spent afterwards.
Md5Digest Md5Finish(Md5Context& context);

Md5Digest Md5(const void* data, std::size_t size);
