#pragma once

#include "base/byte_data.h"
#include "base/text.h"
#include "digest/md5.h"

// The 16 digest bytes in order, each as two lowercase hexadecimal digits: 32 characters.
constexpr int kDigestTextLength = 32;

// Renders a digest as a fresh DigestText (a Text of exactly 32 characters).
Text RenderDigestText(const Md5Digest& digest);

// The MD5 digest text of `data`; empty data gives the digest of zero bytes.
Text MakeDigestText(const ByteData& data);
