#include "digest/md5.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "digest/digest_text.h"

namespace {

std::string Md5Hex(const void* data, std::size_t size) {
    return std::string(RenderDigestText(Md5(data, size)).view());
}
std::string Md5Hex(const std::string& s) {
    return Md5Hex(s.data(), s.size());
}

struct Vector {
    const char* message;
    const char* digest;
};

TEST(Md5, Rfc1321TestSuite) {
    const Vector vectors[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const Vector& v : vectors)
        EXPECT_EQ(Md5Hex(v.message), v.digest) << '"' << v.message << '"';
}

// Lengths around the padding boundaries: 55 leaves room for the count in the same block, 56 to
// 63 do not, 64 and 120 end exactly where padding starts a fresh block. Digests from md5sum.
TEST(Md5, PaddingBoundaries) {
    const struct {
        std::size_t length;
        const char* digest;
    } cases[] = {
        {0, "d41d8cd98f00b204e9800998ecf8427e"},   {1, "0cc175b9c0f1b6a831c399e269772661"},
        {55, "ef1772b6dff9a122358552954ad0df65"},  {56, "3b0c8ac703f828b04c6c197006d17218"},
        {57, "652b906d60af96844ebd21b674f35e93"},  {63, "b06521f39153d618550606be297466d5"},
        {64, "014842d480b571495a4a0363793f7367"},  {65, "c743a45e0d2e6a95cb859adae0248435"},
        {119, "8a7bd0732ed6a28ce75f6dabc90e1613"}, {120, "5f61c0ccad4cac44c75ff505e1f1e537"},
        {121, "f6acfca2d47c87f2b14ca038234d3614"},
    };
    for (const auto& c : cases) {
        const std::string message(c.length, 'a');
        EXPECT_EQ(Md5Hex(message), c.digest) << c.length << " bytes";
    }
}

TEST(Md5, ManySmallUpdatesEqualOneUpdate) {
    std::vector<std::uint8_t> data(1000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 31 + 7);
    const Md5Digest whole = Md5(data.data(), data.size());

    for (std::size_t piece : {1u, 3u, 63u, 64u, 65u, 127u}) {
        Md5Context context;
        Md5Init(context);
        for (std::size_t at = 0; at < data.size(); at += piece)
            Md5Update(context, data.data() + at, std::min(piece, data.size() - at));
        EXPECT_EQ(Md5Finish(context), whole) << "pieces of " << piece;
    }
}

// 512 MiB is 2^32 bits: one update of it must carry the whole count into the high word, and
// the digest must be the one md5sum gives for 512 MiB of zeros.
TEST(Md5, BitCountCarriesIntoHighWordInOneUpdate) {
    const std::size_t size = std::size_t{512} << 20;
    std::vector<std::uint8_t> zeros(size + 3);
    Md5Context context;
    Md5Init(context);
    Md5Update(context, zeros.data(), size + 3);
    EXPECT_EQ(context.bit_count[0], 24u);
    EXPECT_EQ(context.bit_count[1], 1u);

    EXPECT_EQ(Md5Hex(zeros.data(), size), "aa559b4e3523a6c931f08f4df52d58f2");
}

}  // namespace
