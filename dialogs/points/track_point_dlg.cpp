#include "dialogs/points/track_point_dlg.h"

#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kLatitude = 1445,
  kLongitude = 1446,
  kNumber = 1448,
  kDate = 1449,
  kTime = 1450,
  kAltitude = 1451,
  kFileLabel = 1452,
  kDatum = 1453,
  kNotationLabel = 1454,
};

}  // namespace

CTrackPointDlg::CTrackPointDlg() : CDialog(kTemplateId) {}

bool CTrackPointDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(kNumber, CString::Formatted("No=%d/%d", m_number, m_count));
  const PointEditorLabels labels = PointEditorLabelsFor(m_type, m_notationCode);
  if (m_type == "trk" || m_type == "pot") m_formatLabel = labels.notationLabel;

  // A type without a reader leaves every field empty.
  m_read = ReadTrackPoint(m_type, m_line);
  if (m_type == "rot") m_formatLabel = m_read.variant;
  SetDlgItemText(kLatitude, m_read.latitude);
  SetDlgItemText(kLongitude, m_read.longitude);
  SetDlgItemText(kDate, m_read.date);
  SetDlgItemText(kTime, m_read.time);
  SetDlgItemText(kAltitude, m_read.altitude);

  SetDlgItemText(kFileLabel, labels.fileLabel);
  SetDlgItemText(kNotationLabel, labels.notationLabel);
  // The datum is the file's, which a single line does not tell.
  SetDlgItemText(kDatum, "");
  return true;
}

// The line is written anew only when a field differs from what was read, so a
// line the user did not touch is never reformatted.
void CTrackPointDlg::OnOK() {
  TrackPoint edited = m_read;  // keeps the "rot" variant and prefix
  edited.latitude = GetDlgItemText(kLatitude);
  edited.longitude = GetDlgItemText(kLongitude);
  edited.date = GetDlgItemText(kDate);
  edited.time = GetDlgItemText(kTime);
  edited.altitude = GetDlgItemText(kAltitude);
  m_newLine = RewriteTrackPoint(m_type, m_read, edited);
  EndDialog(IDOK);
}

}  // namespace topodlg

extern "C" topodlg::CString OnDlgPtUpg(int notationCode, int number, int count, topodlg::CString line,
                                       topodlg::CString type) {
  using namespace topodlg;
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
