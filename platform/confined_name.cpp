#include "platform/confined_name.h"

namespace topodlg {
namespace {

// A part made of dots and blanks with at least two dots ("..", ". .", "...")
// names the parent folder on the original platform, which drops trailing
// dots and blanks.
bool NamesParent(const CString& part) {
  int dots = 0;
  for (int i = 0; i < part.GetLength(); ++i) {
    if (part[i] == '.') {
      ++dots;
    } else if (part[i] != ' ') {
      return false;
    }
  }
  return dots >= 2;
}

}  // namespace

bool IsConfinedName(const CString& name) {
  if (name.IsEmpty() || name[0] == '\\' || name[0] == '/') return false;
  CString part;
  // Walk by characters: a trail byte 0x5C (the second byte of 表) is no separator.
  for (int i = 0; i < name.GetLength(); ++i) {
    const char c = name[i];
    if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < name.GetLength()) {
      part += c;
      part += name[++i];
      continue;
    }
    if (c == ':') return false;
    if (c == '\\' || c == '/') {
      if (NamesParent(part)) return false;
      part.Empty();
      continue;
    }
    part += c;
  }
  return !NamesParent(part);
}

CString ConfinedPath(const CString& folder, const CString& name) {
  return IsConfinedName(name) ? folder + name : CString();
}

}  // namespace topodlg
