// Area selection (dialog 192): which areas of a group the host draws and how.
// The same dialog serves linear features: in linear mode it reads the line files
// and relabels its controls. "凡例設定" opens the group's legend settings.
#pragma once

#include <array>
#include <vector>

#include "dialogs/areas/area_file.h"
#include "platform/dialog.h"

namespace topodlg {

class CAreaSelectDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 192;
  static constexpr int kDisplayedCapacity = 65;
  CAreaSelectDlg();

  // The displayed areas from the host's string: each word followed by a blank
  // is one entry, at most 65; "999" ends the list early and a last word without
  // a blank behind it is not taken. The places not filled hold "999".
  void SetDisplayedAreas(const CString& words);
  CString Result() const;

  int m_linearFlag = 0;
  int m_displayFlag = 0;
  int m_selectedRecord = -1;
  int m_listSelection = 0;
  int m_group = 0;
  int m_displayedCount = 0;
  int m_background = 0;      // 0, 1 or 2
  int m_wholeGroupFlag = 0;
  int m_titleFlag = 0;
  std::array<CString, 5> m_groupNames;
  CString m_dataDirectory;
  CString m_editorPath;
  CString m_areaPath;
  std::array<CString, kDisplayedCapacity> m_displayed;
  CString m_currentDescriptor;
  CString m_currentStart;

 protected:
  bool OnInitDialog() override;

 private:
  void Relabel();
  void ReadGroupFile();
  void ShowDisplayedAreas();
  void ShowRecord(int index);
  void OnShowCheck();
  void OnClearAll();
  void OnNameChosen();
  void OnGroupChosen();
  void OnDisplayedChosen();
  void OnWholeGroupCheck();
  void OnLegendSettings();

  std::vector<AreaRecord> m_records;  // the current group's file
  int m_recordCount = 0;              // as last shown; kept when a file has no records
  int m_initialised = -1;             // -1 until the group box has been filled
};

}  // namespace topodlg
