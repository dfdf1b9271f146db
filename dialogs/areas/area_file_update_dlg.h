// Area file update (dialog 201): before the host updates an area (or a line) of
// a group's file, the user picks the group and the record, may open the file in
// the external editor, and chooses the kind of the digital map.
#pragma once

#include <array>
#include <vector>

#include "dialogs/areas/area_file.h"
#include "platform/dialog.h"

namespace topodlg {

class CAreaFileUpdateDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 201;
  CAreaFileUpdateDlg();

  CString Result() const;

  int m_linearFlag = 0;
  int m_group = -1;  // -1 until the user picks one
  int m_recordCount = 0;
  int m_selectedRecord = -1;
  std::array<CString, 5> m_groupNames;
  CString m_dataDirectory;
  CString m_mapKind;  // "SEM" 250 m, "MEM" 50 m, "TEM" 1 km, or as passed
  CString m_editorPath;
  CString m_areaPath;
  CString m_currentDescriptor;
  CString m_currentStart;

 protected:
  bool OnInitDialog() override;

 private:
  void ReadGroupFile();
  void ShowRecord(int index);
  void OnGroupChosen();
  void OnNameChosen();
  void OnEditData();

  std::vector<AreaRecord> m_records;
  int m_initialised = -1;
};

}  // namespace topodlg
