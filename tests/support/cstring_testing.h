// Test helpers for code page 932 texts and the files the library reads: failures
// print CString as readable UTF-8, and files in a TempDir are named by the
// library path the library takes (a host path is one).
#pragma once

#include <ostream>
#include <string>

#include "platform/codepage.h"
#include "platform/cstring.h"
#include "tests/support/topodlg_run.h"

namespace topodlg {

inline void PrintTo(const CString& text, std::ostream* out) { *out << '"' << ToUtf8(text) << '"'; }

namespace test {

inline CString WriteFile(const TempDir& folder, const std::string& name, const std::string& bytes) {
  return CString(folder.Write(name, bytes).string());
}
inline CString PathIn(const TempDir& folder, const std::string& name) {
  return CString(folder.str() + "/" + name);
}

}  // namespace test
}  // namespace topodlg
