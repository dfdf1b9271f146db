// The widget tests compile with UTF-8 literals; the library's texts are code page 932.
#pragma once

#include "platform/codepage.h"

namespace topodlg::test {

inline CString Sjis(const char* utf8) { return Utf8ToCp932(utf8).value(); }

}  // namespace topodlg::test
