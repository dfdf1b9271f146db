// Conversion between code page 932 bytes and UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/cstring.h"

namespace topodlg {

// UTF-8 to code page 932; nothing when some character has no code page 932 form
// or the input is not valid UTF-8.
std::optional<CString> Utf8ToCp932(std::string_view utf8);
// Code page 932 to UTF-8; nothing when the bytes are not valid code page 932.
std::optional<std::string> Cp932ToUtf8Strict(std::string_view cp932);
// Code page 932 to UTF-8 for display and logs: a byte that does not convert
// becomes U+FFFD, so any byte string has a readable form.
std::string Cp932ToUtf8(std::string_view cp932);
inline std::string ToUtf8(const CString& text) { return Cp932ToUtf8(text.view()); }

}  // namespace topodlg
