// The file-list dialog (178): shows one file-list file, registers a new data
// file into it, or opens it in the external editor. Opened by OnDlgOvlyF and by
// the dialogs that keep a current data file (point information, track
// selection, text and image links, environment settings).
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CFileListDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 178;
  // The status after the user registered a new file, and after the editor ran.
  static constexpr int kStatusRegistered = 1;
  static constexpr int kStatusEdited = -999;

  CFileListDlg();

  // -1 at first; the index of the row last selected; kStatusRegistered after a
  // registration; kStatusEdited after the editor ran (which ends the dialog).
  int m_status = -1;
  CString m_chosenFile;  // in: the caller's current file; out: the choice
  CString m_listKind;    // "WHOLEAREA", "POINTNAME", "LINKNAME", "GPS", "PREFECTURE"
  CString m_listPath;    // built from the kind when the dialog opens
  CString m_group;       // "GPS" only: the digit of TRACKTBn.DAT
  CString m_dataDirectory;
  CString m_editorPath;

 protected:
  bool OnInitDialog() override;

 private:
  void OnSelectRow();
  void OnRegister();
  void OnEditList();
};

// One run of the file-list dialog on behalf of a dialog that keeps a current
// file, and what that caller must do afterwards.
struct FileListRun {
  int endCode = 0;
  int status = -1;
  CString chosenFile;

  bool Confirmed() const { return endCode == IDOK; }
  // A new registration confirmed with OK, or an editor run, invalidates what the
  // caller shows: it clears its current file and display flag. A selection of
  // row 1 gives the same status and resets too; every caller has always done so.
  bool CallerResets() const {
    return (Confirmed() && status == CFileListDlg::kStatusRegistered) ||
           (!Confirmed() && status == CFileListDlg::kStatusEdited);
  }
};

FileListRun RunFileListDlg(const CString& listKind, const CString& currentFile, const CString& dataDirectory,
                           const CString& editorPath, const CString& group = "");

}  // namespace topodlg
