// One point line of a GPS file (dialog 199): latitude, longitude, date, time
// and altitude as text. The line is read and, when the user changed a field,
// written anew by the point-line routines of the GPS text formats; the host
// puts the new line in place of the old one.
#pragma once

#include "dialogs/tracks/gps_text.h"
#include "platform/dialog.h"

namespace topodlg {

class CTrackPointDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 199;
  CTrackPointDlg();

  // The new line, or "" when no field was changed.
  CString Result() const { return m_newLine; }

  int m_number = 0;
  int m_count = 0;
  int m_notationCode = 0;  // 0 DMS, 1 DEG, 2 DM, 4 D'M'S; others show DMS
  CString m_line;
  CString m_type;  // "trk", "pot", "rot" or "log"
  TrackPoint m_read;  // the fields as read from the line ("rot": variant and prefix too)
  CString m_formatLabel;  // "trk" and "pot": the notation label; "rot": the variant mark
  CString m_newLine;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
};

}  // namespace topodlg
