// Legend settings (dialog 196): the legend entries of one area or line group.
// The user picks a row, chooses pattern and colour, types a description and
// adds or updates the entry; OK writes the group's section back into the legend
// file. "編集" opens the whole legend file in the external editor instead.
#pragma once

#include <vector>

#include "platform/dialog.h"

namespace topodlg {

class CAreaLegendSetDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 196;
  CAreaLegendSetDlg();

  // Set by the caller.
  CString m_dataDirectory;
  CString m_editorPath;
  CString m_groupName;
  int m_linearFlag = 0;
  int m_group = 0;

  // The group's entries as stored, at most 19, without the end marker.
  const std::vector<CString>& Entries() const { return m_entries; }
  int Modified() const { return m_modified; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  void LoadEntries();
  void FillEntryList();
  void ShowEntry(int index);
  void ShowNewRow();
  void OnRowChosen();
  void OnEntryChosen();
  void OnAddOrUpdate();
  void OnEditFile();

  CString m_legendPath;
  std::vector<CString> m_entries;
  int m_lastEntry = -1;   // index of the last entry, -1 when the group has none
  int m_editMode = 0;     // 0 adds a new entry, 1 updates the chosen one
  int m_chosenEntry = -1;
  int m_modified = -1;    // 1 once an entry was added or updated
};

}  // namespace topodlg
