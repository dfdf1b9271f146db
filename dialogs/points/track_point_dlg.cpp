#include "dialogs/points/track_point_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/199.h"

namespace topodlg {
using namespace res199;
CTrackPointDlg::CTrackPointDlg() : CDialog(kTemplateId) {}

bool CTrackPointDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_NUMBER, CString::Formatted("No=%d/%d", m_number, m_count));
  const PointEditorLabels labels = PointEditorLabelsFor(m_type, m_notationCode);
  if (m_type == "trk" || m_type == "pot") m_formatLabel = labels.notationLabel;

  // A type without a reader leaves every field empty.
  m_read = ReadTrackPoint(m_type, m_line);
  if (m_type == "rot") m_formatLabel = m_read.variant;
  SetDlgItemText(IDC_LATITUDE, m_read.latitude);
  SetDlgItemText(IDC_LONGITUDE, m_read.longitude);
  SetDlgItemText(IDC_DATE, m_read.date);
  SetDlgItemText(IDC_TIME, m_read.time);
  SetDlgItemText(IDC_ALTITUDE, m_read.altitude);

  SetDlgItemText(IDC_FILE_FORMAT, labels.fileLabel);
  SetDlgItemText(IDC_NOTATION, labels.notationLabel);
  // The datum is the file's, which a single line does not tell.
  SetDlgItemText(IDC_DATUM, "");
  return true;
}

// The line is written anew only when a field differs from what was read, so a
// line the user did not touch is never reformatted.
void CTrackPointDlg::OnOK() {
  TrackPoint edited = m_read;  // keeps the "rot" variant and prefix
  edited.latitude = GetDlgItemText(IDC_LATITUDE);
  edited.longitude = GetDlgItemText(IDC_LONGITUDE);
  edited.date = GetDlgItemText(IDC_DATE);
  edited.time = GetDlgItemText(IDC_TIME);
  edited.altitude = GetDlgItemText(IDC_ALTITUDE);
  m_newLine = RewriteTrackPoint(m_type, m_read, edited);
  EndDialog(IDOK);
}

CString entry::OnDlgPtUpg(int notationCode, int number, int count, CString line, CString type) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CTrackPointDlg dlg;
  dlg.m_notationCode = notationCode;
  dlg.m_number = number;
  dlg.m_count = count;
  dlg.m_line = line;
  dlg.m_type = type;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
