#include "digest/digest_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

TEST(DigestText, EveryByteIsTwoLowercaseDigits) {
    Md5Digest digest = {0x00, 0x0a, 0x10, 0xff, 0x01, 0x0f, 0xa0, 0x9b,
                        0x00, 0x0a, 0x10, 0xff, 0x01, 0x0f, 0xa0, 0x9b};
    const Text text = RenderDigestText(digest);
    EXPECT_EQ(text.view(), "000a10ff010fa09b000a10ff010fa09b");
    EXPECT_EQ(std::strlen(text.c_str()), 32u);
}

TEST(DigestText, OfEmptyDataIsTheDigestOfZeroBytes) {
    EXPECT_EQ(MakeDigestText(ByteData()).view(), "d41d8cd98f00b204e9800998ecf8427e");
}

TEST(DigestText, OfDataCoversExactlyItsCount) {
    std::unique_ptr<std::uint8_t[], FreeDeleter> block(static_cast<std::uint8_t*>(std::malloc(8)));
    std::memcpy(block.get(), "abcdefgh", 8);
    EXPECT_EQ(MakeDigestText(ByteData(std::move(block), 3)).view(),
              "900150983cd24fb0d6963f7d28e17f72");
}

}  // namespace
