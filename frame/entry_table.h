// The table of every entry function, made from frame/entries.def: its name,
// argument kinds, names and descriptions and result kind, and for those that
// are built, a way to call it with arguments given as values.
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

// One argument as the table describes it; the texts are UTF-8, for people.
struct EntryArgInfo {
  const char* name;         // the argument's name in the public header
  const char* description;  // what it means, "" when the row says nothing
};

struct EntryInfo {
  const char* name;
  const char* args;  // one ArgKind letter per argument, in order
  ResultKind result;
  const EntryArgInfo* argInfo;  // one per argument, then {nullptr, nullptr}
  // nullptr while the entry function is not built.
  EntryResult (*invoke)(const std::vector<EntryArg>& args);
};

const std::vector<EntryInfo>& EntryFunctions();
const EntryInfo* FindEntry(std::string_view name);

}  // namespace topodlg
