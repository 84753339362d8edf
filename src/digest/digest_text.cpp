#include "digest/digest_text.h"

Text RenderDigestText(const Md5Digest& digest) {
    static const char kHexDigits[] = "0123456789abcdef";
    Text text = Text::Allocate(kDigestTextLength);
    char* out = text.data();
    for (std::uint8_t byte : digest) {
        *out++ = kHexDigits[byte >> 4];
        *out++ = kHexDigits[byte & 15];
    }
    return text;
}

Text MakeDigestText(const ByteData& data) {
    return RenderDigestText(Md5(data.data(), data.size()));
}
