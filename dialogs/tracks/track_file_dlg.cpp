#include "dialogs/tracks/track_file_dlg.h"

#include "dialogs/points/file_list.h"

namespace topodlg {

CTrackFileDlg::CTrackFileDlg(int templateId, TrackDialogKind kind, SummaryControls controls)
    : CDialog(templateId), m_kind(kind), m_controls(controls) {}

void CTrackFileDlg::FillGroupNames(int comboId) {
  CWnd* combo = GetDlgItem(comboId);
  combo->ResetContent();
  for (const CString& name : m_groupNames) {
    if (name.IsEmpty()) break;
    combo->AddString(name);
  }
}

int CTrackFileDlg::LoadTrackTable(int group) {
  CWnd* files = GetDlgItem(m_controls.files);
  files->ResetContent();
  int found = -1;
  if (group >= 0 && group <= 4) {
    CString table = FileListPath(FileListKind::Gps, m_dataDirectory, CString::Formatted("%d", group));
    for (const CString& entry : ReadListToFirstEmptyLine(table, CommentLines::Skip)) {
      if (entry == m_currentPath) found = files->GetCount();
      files->AddString(entry);
    }
  }
  m_tableCount = files->GetCount();
  return found;
}

void CTrackFileDlg::SummarizeTrackFile(int number) {
  m_format = m_type = m_name = "";
  TrackSummary summary = SummarizeTrack(m_currentPath, number, m_tableCount, m_kind);
  switch (summary.outcome) {
    case TrackSummary::Outcome::NoPath:
      return;
    case TrackSummary::Outcome::Unreadable:
      // The fields keep what they showed; only the choice is dropped.
      m_currentPath = "";
      return;
    case TrackSummary::Outcome::Shown:
      break;
  }
  m_name = summary.name;
  m_format = summary.format;
  m_type = summary.type;
  m_start = summary.start;
  SetDlgItemText(m_controls.name, m_name);
  SetDlgItemText(m_controls.datum, summary.datum);
  SetDlgItemText(m_controls.date, summary.date);
  SetDlgItemText(m_controls.start, m_start);
  SetDlgItemText(m_controls.format, m_format);
  SetDlgItemText(m_controls.number, summary.numberText);
}

void CTrackFileDlg::ClearSummary() {
  m_start = m_format = m_type = m_name = "";
  for (int id : {m_controls.name, m_controls.datum, m_controls.date, m_controls.start, m_controls.format}) {
    SetDlgItemText(id, "");
  }
  SetDlgItemText(m_controls.number, "登録数=");
}

}  // namespace topodlg
