#include "frame/entry_table.h"

#include <string_view>

#include "frame/entries.h"
#include "frame/entry_invoker.h"

namespace topodlg {
namespace {
#include "frame/entry_rows.inc"
}  // namespace

const std::vector<EntryInfo>& EntryFunctions() {
  static const std::vector<EntryInfo> entries = {TOPODLG_ENTRY_ROWS};
  return entries;
}

const EntryInfo* FindEntry(std::string_view name) {
  for (const EntryInfo& e : EntryFunctions()) {
    if (name == e.name) return &e;
  }
  return nullptr;
}

}  // namespace topodlg
