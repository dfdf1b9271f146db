// What the two track dialogs (selection 180, update 200) share: the group names
// in a combo box, the group's track table in a file combo box, and the summary
// of the current track file in six fields.
#pragma once

#include <array>

#include "dialogs/tracks/gps_text.h"
#include "platform/dialog.h"

namespace topodlg {

class CTrackFileDlg : public CDialog {
 public:
  // The controls that show the file list and the summary of one dialog.
  struct SummaryControls {
    int files;  // the drop-down combo box of the group's track files
    int name, datum, date, start, format;
    int number;  // "登録数=" / "  No=" field
  };

  int m_tableCount = 0;    // entries read from the current group's track table
  CString m_currentPath;   // the track file chosen or shown
  CString m_start;         // of the last summary shown
  CString m_format;
  CString m_type;
  CString m_name;
  CString m_editorPath;
  CString m_dataDirectory;  // ends with "\"
  std::array<CString, 5> m_groupNames;

 protected:
  CTrackFileDlg(int templateId, TrackDialogKind kind, SummaryControls controls);

  // Fills the group combo box with the group names up to the first empty one.
  void FillGroupNames(int comboId);
  // Fills the file combo box from the group's track table (nothing for a group
  // outside 0 to 4) and sets the table count. Returns the index of the current
  // path in the table (the last one when it appears twice), or -1.
  int LoadTrackTable(int group);
  // Summarises the current path and shows the summary; number is the track's
  // number as the dialog knows it. A path that cannot be opened becomes "".
  void SummarizeTrackFile(int number);
  // Forgets the summary shown, members and fields alike.
  void ClearSummary();
  const SummaryControls& Controls() const { return m_controls; }

 private:
  TrackDialogKind m_kind;
  SummaryControls m_controls;
};

}  // namespace topodlg
