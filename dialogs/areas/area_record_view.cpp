#include "dialogs/areas/area_record_view.h"

namespace topodlg {

void FillAreaGroupNames(CWnd* combo, const std::array<CString, 5>& names) {
  for (const CString& name : names) {
    if (name.IsEmpty()) break;
    combo->AddString(name);
  }
}

void FillAreaNames(CWnd* combo, const std::vector<AreaRecord>& records) {
  combo->ResetContent();
  for (size_t i = 0; i < records.size() && i < static_cast<size_t>(kAreaNameLimit); ++i) {
    combo->AddString(SplitAreaDescriptor(records[i].descriptor).name);
  }
}

void ShowAreaRecord(CDialog& dialog, const AreaRecordFields& fields, const AreaRecord& record) {
  const AreaDescriptor parts = SplitAreaDescriptor(record.descriptor);
  dialog.SetDlgItemText(fields.pattern, parts.pattern);
  dialog.SetDlgItemText(fields.colour, parts.colour);
  dialog.SetDlgItemText(fields.date, record.date);
  dialog.SetDlgItemText(fields.start, record.start);
}

}  // namespace topodlg
