// What the two area dialogs show the same way: the group names, the names of a
// file's records and one record's pattern, colour, date and start.
#pragma once

#include <array>
#include <vector>

#include "dialogs/areas/area_file.h"
#include "platform/dialog.h"

namespace topodlg {

// Adds the group names to a combo box, up to the first empty one.
void FillAreaGroupNames(CWnd* combo, const std::array<CString, 5>& names);
// Empties a name box and adds each record's name, at most 512.
void FillAreaNames(CWnd* combo, const std::vector<AreaRecord>& records);

// The static controls that show one record.
struct AreaRecordFields {
  int pattern, colour, date, start;
};
void ShowAreaRecord(CDialog& dialog, const AreaRecordFields& fields, const AreaRecord& record);

}  // namespace topodlg
