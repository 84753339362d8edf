#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "base/free_deleter.h"

// A counted run of bytes with a 32-bit count. Empty ByteData holds no block at all.
class ByteData {
public:
    ByteData() = default;
    // Takes ownership of a malloc block whose first `count` bytes are the data.
    ByteData(std::unique_ptr<std::uint8_t[], FreeDeleter> block, std::uint32_t count)
        : block_(count ? std::move(block) : nullptr), count_(block_ ? count : 0) {}

    ByteData(ByteData&& other) noexcept
        : block_(std::move(other.block_)), count_(std::exchange(other.count_, 0)) {}
    ByteData& operator=(ByteData&& other) noexcept {
        block_ = std::move(other.block_);
        count_ = std::exchange(other.count_, 0);
        return *this;
    }
    ByteData(const ByteData&) = delete;
    ByteData& operator=(const ByteData&) = delete;

    const std::uint8_t* data() const { return block_.get(); }
    std::uint32_t size() const { return count_; }
    bool empty() const { return count_ == 0; }

private:
    std::unique_ptr<std::uint8_t[], FreeDeleter> block_;
    std::uint32_t count_ = 0;
};
