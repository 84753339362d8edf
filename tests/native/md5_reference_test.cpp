#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <random>
#include <vector>

#include "digest/md5.h"

namespace {

Md5Digest OpenSslMd5(const std::vector<std::uint8_t>& data, std::size_t size) {
    Md5Digest digest;
    EVP_Digest(data.data(), size, digest.data(), nullptr, EVP_md5(), nullptr);
    return digest;
}

std::vector<std::uint8_t> RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::vector<std::uint8_t> data(size);
    for (auto& byte : data) byte = static_cast<std::uint8_t>(generator());
    return data;
}

TEST(Md5AgainstOpenSsl, EveryLengthUpTo4096) {
    const std::vector<std::uint8_t> data = RandomBytes(4096, 1);
    for (std::size_t size = 0; size <= data.size(); ++size)
        ASSERT_EQ(Md5(data.data(), size), OpenSslMd5(data, size)) << size << " bytes";
}

TEST(Md5AgainstOpenSsl, LargeRandomBuffers) {
    for (std::size_t size : {std::size_t{1} << 20, (std::size_t{16} << 20) + 37}) {
        const std::vector<std::uint8_t> data = RandomBytes(size, static_cast<unsigned>(size));
        EXPECT_EQ(Md5(data.data(), size), OpenSslMd5(data, size)) << size << " bytes";
    }
}

}  // namespace
