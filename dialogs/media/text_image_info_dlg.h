// The current text and image data file (183). In file mode the choice is among
// the entries of DATAFILE.dat; in source mode among the sources of the sibling
// data product (its common area and the names of its source list). Also the
// display and point-name switches and a keyword by which the host filters the
// points (partial match).
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CTextImageInfoDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 183;
  CTextImageInfoDlg();

  CString Result() const;

  int m_displayFlag = 0;    // 1: the host shows the text and image points
  int m_currentIndex = -1;  // file mode: 1-based line in DATAFILE.dat; source mode: source number
  int m_entryCount = 0;     // entries of the combo box
  int m_sourceMode = 0;     // 0: entries of DATAFILE.dat; 1: sources of the sibling product
  int m_hideNames = 0;      // 1: point names hidden
  int m_unused = 0;         // passed by the host, not used here
  CString m_currentFile;
  CString m_programPath;    // source mode: the sibling product's program file
  CString m_scratch;        // source mode: overwritten with the Windows directory
  CString m_dataDirectory;
  CString m_editorPath;
  CString m_keyword;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void FillFromDataFileList();
  void FillFromSourceList();
  void ShowPosition();
  void OnEntryChosen();
  void OnEditList();
  void OnDisplayToggled();
};

}  // namespace topodlg
