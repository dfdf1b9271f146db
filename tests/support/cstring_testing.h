// Test helpers for code page 932 texts and the files the library reads: failures
// print CString as readable UTF-8, and files in a TempDir are named by the
// library path the library takes (a host path is one).
#pragma once

#include <ostream>
#include <string>
#include <vector>

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
// The lines as one string, each followed by "|", so that a failure shows
// where every line ends.
inline std::string Joined(const std::vector<CString>& lines) {
  std::string text;
  for (const CString& line : lines) text += line.str() + "|";
  return text;
}
// `count` bytes of any value, the same for the same seed: input no writer of
// the files would make.
inline std::string ScrambledBytes(unsigned seed, int count) {
  std::string bytes;
  unsigned state = seed;
  for (int i = 0; i < count; ++i) {
    state = state * 1103515245u + 12345u;
    bytes += static_cast<char>(state >> 16);
  }
  return bytes;
}

}  // namespace test
}  // namespace topodlg
