// The table of every entry function: its name, argument kinds and result kind,
// and for those that are built, a way to call it with arguments given as values.
// Hosts (topodlg, the graphical host) use it to list and call entry functions.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/cstring.h"
#include "platform/gdi.h"

namespace topodlg {

enum class ArgKind : char { Int = 'i', Real = 'r', Str = 's', Dc = 'd' };
enum class ResultKind { Str, Int, None };

struct EntryArg {
  ArgKind kind = ArgKind::Int;
  int intValue = 0;
  float realValue = 0;
  CString text;
  CDC* dc = nullptr;
};

struct EntryResult {
  ResultKind kind = ResultKind::None;
  CString text;
  int value = 0;
};

struct EntryInfo {
  const char* name;
  const char* args;  // one ArgKind letter per argument, in order
  ResultKind result;
  // nullptr while the entry function is not built.
  EntryResult (*invoke)(const std::vector<EntryArg>& args);
};

const std::vector<EntryInfo>& EntryFunctions();
const EntryInfo* FindEntry(std::string_view name);

}  // namespace topodlg
