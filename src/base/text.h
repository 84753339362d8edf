#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "base/free_deleter.h"

// A NUL-terminated byte string in code page 936, owned by whoever holds it.
// A null Text holds no block and counts as the empty text everywhere.
class Text {
public:
    Text() = default;
    Text(Text&&) noexcept = default;
    Text& operator=(Text&&) noexcept = default;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;

    // A fresh block holding `bytes` and a NUL; under the allocation stop.
    static Text Copy(std::string_view bytes);

    bool is_null() const { return !block_; }
    const char* c_str() const { return block_ ? block_.get() : ""; }
    std::string_view view() const { return c_str(); }

    // For services that fill a block themselves: `length` bytes plus the NUL, under the
    // allocation stop. The caller writes the bytes; the NUL is already in place.
    static Text Allocate(std::size_t length);
    char* data() { return block_.get(); }

private:
    std::unique_ptr<char[], FreeDeleter> block_;
};

// Compares two texts byte by byte as unsigned values, a null text being the empty one.
// Returns -1, 0 or +1; 0 means they hold the same bytes. No case folding, trimming or locale.
int TextEquals(const Text& a, const Text& b);
