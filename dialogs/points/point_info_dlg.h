// Point information (182): the current point-information file, the host's list
// of selected files (with a colour label beside each visible row), removal of
// files from that list, symbol size and the interval between tags.
#pragma once

#include <array>

#include "platform/dialog.h"

namespace topodlg {

class CPointInfoDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 182;
  // The selected-file list: at most 64 files and the end marker.
  static constexpr int kListCapacity = 65;

  CPointInfoDlg();

  // Splits the host's "a|b|999|" list into the entries (when count > 0).
  void SetFileList(const CString& packed);
  CString Result() const;

  int m_displayFlag = 0;   // 1: the host shows point information
  int m_selectedRow = -1;  // row of the selected-file list last selected
  int m_fileCount = 0;     // -1 after a clear or a reset
  int m_symbolSize = 0;    // non-zero: large symbols
  int m_shownRows = 0;
  int m_topRow = 0;
  CString m_currentFile;
  std::array<CString, kListCapacity> m_files;  // names, then "999"; empty at first
  CString m_editorPath;
  CString m_dataDirectory;
  int m_tagInterval = 1;  // seconds, 1 to 30

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void NameRowColours();
  void OnFileChosen();
  void OnEditList();
  void OnRowSelected();
  void OnClearAll();
  void OnRemoveRow();
};

}  // namespace topodlg
