#include "digest/md5.h"

#include <cstring>

namespace {

// The compression function is a chain of 64 dependent steps, so its speed is the length of
// that chain. Each step is written so that only the work that needs the newest word `b` sits
// on it: the message word and constant are added to `a` first, and the round function is
// arranged so that as much of it as possible is computed from the older words `c` and `d`.

inline std::uint32_t RotateLeft(std::uint32_t x, int s) {
    return (x << s) | (x >> (32 - s));
}

inline std::uint32_t LoadLittleEndian(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

inline void StoreLittleEndian(std::uint32_t x, std::uint8_t* p) {
    p[0] = static_cast<std::uint8_t>(x);
    p[1] = static_cast<std::uint8_t>(x >> 8);
    p[2] = static_cast<std::uint8_t>(x >> 16);
    p[3] = static_cast<std::uint8_t>(x >> 24);
}

// F(b, c, d) = (b & c) | (~b & d): the same bits as d ^ (b & (c ^ d)), where c ^ d is ready
// before b.
inline void StepF(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t x, int s, std::uint32_t k) {
    a += x + k;
    a += d ^ (b & (c ^ d));
    a = RotateLeft(a, s) + b;
}

// G(b, c, d) = (b & d) | (c & ~d). The two halves share no bit, so they can be added one at a
// time, and the half without b is added before b is known.
inline void StepG(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t x, int s, std::uint32_t k) {
    a += x + k;
    a += c & ~d;
    a += b & d;
    a = RotateLeft(a, s) + b;
}

// H(b, c, d) = b ^ c ^ d, with c ^ d formed before b is known.
inline void StepH(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t x, int s, std::uint32_t k) {
    a += x + k;
    a += (c ^ d) ^ b;
    a = RotateLeft(a, s) + b;
}

// I(b, c, d) = c ^ (b | ~d), with ~d formed before b is known.
inline void StepI(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t x, int s, std::uint32_t k) {
    a += x + k;
    a += c ^ (b | ~d);
    a = RotateLeft(a, s) + b;
}

// Compresses `count` consecutive 64-byte blocks into the chaining words.
void CompressBlocks(Md5Context& context, const std::uint8_t* blocks, std::size_t count) {
    std::uint32_t a = context.a, b = context.b, c = context.c, d = context.d;
    for (; count != 0; --count, blocks += 64) {
        std::uint32_t x[16];
        for (int i = 0; i < 16; ++i) x[i] = LoadLittleEndian(blocks + 4 * i);
        const std::uint32_t a0 = a, b0 = b, c0 = c, d0 = d;

        StepF(a, b, c, d, x[0], 7, 0xd76aa478);
        StepF(d, a, b, c, x[1], 12, 0xe8c7b756);
        StepF(c, d, a, b, x[2], 17, 0x242070db);
        StepF(b, c, d, a, x[3], 22, 0xc1bdceee);
        StepF(a, b, c, d, x[4], 7, 0xf57c0faf);
        StepF(d, a, b, c, x[5], 12, 0x4787c62a);
        StepF(c, d, a, b, x[6], 17, 0xa8304613);
        StepF(b, c, d, a, x[7], 22, 0xfd469501);
        StepF(a, b, c, d, x[8], 7, 0x698098d8);
        StepF(d, a, b, c, x[9], 12, 0x8b44f7af);
        StepF(c, d, a, b, x[10], 17, 0xffff5bb1);
        StepF(b, c, d, a, x[11], 22, 0x895cd7be);
        StepF(a, b, c, d, x[12], 7, 0x6b901122);
        StepF(d, a, b, c, x[13], 12, 0xfd987193);
        StepF(c, d, a, b, x[14], 17, 0xa679438e);
        StepF(b, c, d, a, x[15], 22, 0x49b40821);

        StepG(a, b, c, d, x[1], 5, 0xf61e2562);
        StepG(d, a, b, c, x[6], 9, 0xc040b340);
        StepG(c, d, a, b, x[11], 14, 0x265e5a51);
        StepG(b, c, d, a, x[0], 20, 0xe9b6c7aa);
        StepG(a, b, c, d, x[5], 5, 0xd62f105d);
        StepG(d, a, b, c, x[10], 9, 0x02441453);
        StepG(c, d, a, b, x[15], 14, 0xd8a1e681);
        StepG(b, c, d, a, x[4], 20, 0xe7d3fbc8);
        StepG(a, b, c, d, x[9], 5, 0x21e1cde6);
        StepG(d, a, b, c, x[14], 9, 0xc33707d6);
        StepG(c, d, a, b, x[3], 14, 0xf4d50d87);
        StepG(b, c, d, a, x[8], 20, 0x455a14ed);
        StepG(a, b, c, d, x[13], 5, 0xa9e3e905);
        StepG(d, a, b, c, x[2], 9, 0xfcefa3f8);
        StepG(c, d, a, b, x[7], 14, 0x676f02d9);
        StepG(b, c, d, a, x[12], 20, 0x8d2a4c8a);

        StepH(a, b, c, d, x[5], 4, 0xfffa3942);
        StepH(d, a, b, c, x[8], 11, 0x8771f681);
        StepH(c, d, a, b, x[11], 16, 0x6d9d6122);
        StepH(b, c, d, a, x[14], 23, 0xfde5380c);
        StepH(a, b, c, d, x[1], 4, 0xa4beea44);
        StepH(d, a, b, c, x[4], 11, 0x4bdecfa9);
        StepH(c, d, a, b, x[7], 16, 0xf6bb4b60);
        StepH(b, c, d, a, x[10], 23, 0xbebfbc70);
        StepH(a, b, c, d, x[13], 4, 0x289b7ec6);
        StepH(d, a, b, c, x[0], 11, 0xeaa127fa);
        StepH(c, d, a, b, x[3], 16, 0xd4ef3085);
        StepH(b, c, d, a, x[6], 23, 0x04881d05);
        StepH(a, b, c, d, x[9], 4, 0xd9d4d039);
        StepH(d, a, b, c, x[12], 11, 0xe6db99e5);
        StepH(c, d, a, b, x[15], 16, 0x1fa27cf8);
        StepH(b, c, d, a, x[2], 23, 0xc4ac5665);

        StepI(a, b, c, d, x[0], 6, 0xf4292244);
        StepI(d, a, b, c, x[7], 10, 0x432aff97);
        StepI(c, d, a, b, x[14], 15, 0xab9423a7);
        StepI(b, c, d, a, x[5], 21, 0xfc93a039);
        StepI(a, b, c, d, x[12], 6, 0x655b59c3);
        StepI(d, a, b, c, x[3], 10, 0x8f0ccc92);
        StepI(c, d, a, b, x[10], 15, 0xffeff47d);
        StepI(b, c, d, a, x[1], 21, 0x85845dd1);
        StepI(a, b, c, d, x[8], 6, 0x6fa87e4f);
        StepI(d, a, b, c, x[15], 10, 0xfe2ce6e0);
        StepI(c, d, a, b, x[6], 15, 0xa3014314);
        StepI(b, c, d, a, x[13], 21, 0x4e0811a1);
        StepI(a, b, c, d, x[4], 6, 0xf7537e82);
        StepI(d, a, b, c, x[11], 10, 0xbd3af235);
        StepI(c, d, a, b, x[2], 15, 0x2ad7d2bb);
        StepI(b, c, d, a, x[9], 21, 0xeb86d391);

        a += a0;
        b += b0;
        c += c0;
        d += d0;
    }
    context.a = a;
    context.b = b;
    context.c = c;
    context.d = d;
}

// Bytes already waiting in the partial block.
std::size_t BufferedBytes(const Md5Context& context) {
    return (context.bit_count[0] >> 3) & 63;
}

}  // namespace

void Md5Init(Md5Context& context) {
    context.bit_count[0] = context.bit_count[1] = 0;
    context.a = 0x67452301;
    context.b = 0xefcdab89;
    context.c = 0x98badcfe;
    context.d = 0x10325476;
}

void Md5Update(Md5Context& context, const void* data, std::size_t size) {
    if (size == 0) return;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    const std::size_t buffered = BufferedBytes(context);

    // Computed in 64 bits so that a single update of 512 MiB or more carries into the high word.
    const std::uint64_t bits =
        ((std::uint64_t{context.bit_count[1]} << 32) | context.bit_count[0]) +
        std::uint64_t{size} * 8;
    context.bit_count[0] = static_cast<std::uint32_t>(bits);
    context.bit_count[1] = static_cast<std::uint32_t>(bits >> 32);

    if (buffered != 0) {
        const std::size_t room = 64 - buffered;
        if (size < room) {
            std::memcpy(context.block + buffered, bytes, size);
            return;
        }
        std::memcpy(context.block + buffered, bytes, room);
        CompressBlocks(context, context.block, 1);
        bytes += room;
        size -= room;
    }
    CompressBlocks(context, bytes, size / 64);
    std::memcpy(context.block, bytes + (size & ~std::size_t{63}), size & 63);
}

Md5Digest Md5Finish(Md5Context& context) {
    std::uint8_t count_bytes[8];
    StoreLittleEndian(context.bit_count[0], count_bytes);
    StoreLittleEndian(context.bit_count[1], count_bytes + 4);

    // 0x80, then zeros until the absorbed length is 56 modulo 64.
    static const std::uint8_t kPadding[64] = {0x80};
    const std::size_t buffered = BufferedBytes(context);
    Md5Update(context, kPadding, buffered < 56 ? 56 - buffered : 120 - buffered);
    Md5Update(context, count_bytes, sizeof count_bytes);

    Md5Digest digest;
    StoreLittleEndian(context.a, digest.data());
    StoreLittleEndian(context.b, digest.data() + 4);
    StoreLittleEndian(context.c, digest.data() + 8);
    StoreLittleEndian(context.d, digest.data() + 12);
    return digest;
}

Md5Digest Md5(const void* data, std::size_t size) {
    Md5Context context;
    Md5Init(context);
    Md5Update(context, data, size);
    return Md5Finish(context);
}
