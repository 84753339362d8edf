#include "base/text.h"

#include <cstring>

#include "base/allocation_stop.h"

Text Text::Allocate(std::size_t length) {
    Text text;
    text.block_.reset(static_cast<char*>(AllocateResultBlock(length + 1)));
    text.block_[length] = '\0';
    return text;
}

Text Text::Copy(std::string_view bytes) {
    Text text = Allocate(bytes.size());
    std::memcpy(text.data(), bytes.data(), bytes.size());
    return text;
}

int TextEquals(const Text& a, const Text& b) {
    const auto* x = reinterpret_cast<const unsigned char*>(a.c_str());
    const auto* y = reinterpret_cast<const unsigned char*>(b.c_str());
    for (;; ++x, ++y) {
        if (*x != *y) return *x < *y ? -1 : 1;
        if (*x == 0) return 0;
    }
}
