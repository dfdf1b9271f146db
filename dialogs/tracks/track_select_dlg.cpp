#include "dialogs/tracks/track_select_dlg.h"

#include <algorithm>

#include "dialogs/points/file_list_dlg.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "platform/spin_step.h"
#include "resources/180.h"

namespace topodlg {
using namespace res180;
namespace {

// At most this many items of the file combo box are searched for a file that
// the file-list dialog chose.
constexpr int kRegisteredSearchLimit = 100;
constexpr int kNoMoreTracks = -1;

}  // namespace

CTrackSelectDlg::CTrackSelectDlg()
    : CTrackFileDlg(kTemplateId, TrackDialogKind::Select,
                    {IDC_FILES, IDC_NAME, IDC_DATUM, IDC_DATE, IDC_START, IDC_FORMAT, IDC_NUMBER}) {
  m_displayedNumbers.fill(kNoMoreTracks);
  OnNotify(IDC_GROUPS, CBN_SELCHANGE, [this] { OnGroupChosen(); });
  OnNotify(IDC_FILES, CBN_SELCHANGE, [this] { OnFileChosen(); });
  OnClicked(IDC_SHOW_TRACK, [this] { OnShowToggled(); });
  OnClicked(IDC_REGISTER, [this] { OnRegister(); });
  OnNotify(IDC_DISPLAYED_LIST, LBN_SELCHANGE, [this] { OnRowSelected(); });
  OnNotify(IDC_DISPLAYED_LIST, LBN_DBLCLK, [this] { OnRowDoubleClicked(); });
  OnClicked(IDC_CLEAR_ALL, [this] { OnClearAll(); });
  OnClicked(IDC_CANCEL_BUTTON, [this] { OnCancelButton(); });
  OnClicked(IDC_SHOW_SCALE, [this] { OnScaleToggled(); });
  OnClicked(IDC_SCALE_UP, [this] { OnScaleUp(); });
  OnClicked(IDC_SCALE_DOWN, [this] { OnScaleDown(); });
}

// Both lists travel as words each followed by one blank; the numbers decide how
// many entries there are (up to -1), so a path may not hold a blank.
void CTrackSelectDlg::SetDisplayedTracks(const CString& numbers, const CString& paths) {
  m_displayedNumbers.fill(kNoMoreTracks);
  m_displayedPaths.fill("");
  CString numberRest = numbers;
  CString pathRest = paths;
  for (int i = 0; i < kDisplayedCapacity; ++i) {
    int blank = numberRest.Find(' ');
    if (blank < 0) break;
    m_displayedNumbers[i] = Atoi(numberRest.Left(blank));
    numberRest = numberRest.Mid(blank + 1);
    if (m_displayedNumbers[i] == kNoMoreTracks) break;
    blank = pathRest.Find(' ');
    m_displayedPaths[i] = blank < 0 ? pathRest : pathRest.Left(blank);
    pathRest = blank < 0 ? CString() : pathRest.Mid(blank + 1);
  }
}

// The first run builds the group list and the displayed-track list; later runs
// (after a group change or a registration) only reselect the group, reload the
// group's track table and show the current summary.
bool CTrackSelectDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_group >= 0 && m_group <= 4) m_groupDigit = CString::Formatted("%d", m_group);
  if (m_initialised != 0) {
    GetDlgItem(IDC_GROUPS)->SetCurSel(m_group);
  } else {
    FillGroupNames(IDC_GROUPS);
    m_initialised = 1;
    GetDlgItem(IDC_GROUPS)->SetCurSel(m_group);
    if (m_showFlag == 1) {
      CheckDlgButton(IDC_SHOW_TRACK, 1);
      if (!m_currentPath.IsEmpty()) GetDlgItem(IDC_FILES)->SetWindowText(m_currentPath);
    }
    ShowDisplayedTracks();
    if (m_scaleFlag == 1) {
      CheckDlgButton(IDC_SHOW_SCALE, 1);
      SetDlgItemText(IDC_SCALE_INTERVAL, CString::Formatted("%2dkm", m_scaleInterval));
    }
  }
  int index = LoadTrackTable(m_group);
  if (m_tableCount > 0) SetDlgItemText(IDC_NUMBER, CString::Formatted("登録数=%d", m_tableCount));
  if (!m_currentPath.IsEmpty()) SummarizeTrackFile(index);
  if (m_showFlag == 1 && !m_currentPath.IsEmpty()) GetDlgItem(IDC_FILES)->SetWindowText(m_currentPath);
  return true;
}

// Each shown entry becomes the current path in turn, so afterwards the current
// path is that of the last shown track.
void CTrackSelectDlg::ShowDisplayedTracks() {
  CWnd* list = GetDlgItem(IDC_DISPLAYED_LIST);
  list->ResetContent();
  int i = 0;
  for (; i < kDisplayedCapacity; ++i) {
    int number = m_displayedNumbers[i];
    if (number == kNoMoreTracks) break;
    if (number == kHiddenTrack) continue;
    m_currentPath = m_displayedPaths[i];
    if (m_currentPath.IsEmpty()) break;
    SummarizeTrackFile(number);
    if (m_name.IsEmpty()) m_name = CString::Formatted("トラック%d", i + 1);
    list->AddString(m_name);
  }
  m_lastRow = i - 1;
  if (m_selectedRow >= 0) list->SetCurSel(m_selectedRow);
  SetDlgItemText(IDC_ROW_COUNT, CString::Formatted("   %d", m_lastRow + 1));
}

void CTrackSelectDlg::OnGroupChosen() {
  m_group = GetDlgItem(IDC_GROUPS)->GetCurSel();
  m_currentPath = "";
  OnInitDialog();
}

void CTrackSelectDlg::OnFileChosen() {
  CWnd* files = GetDlgItem(IDC_FILES);
  int index = files->GetCurSel();
  CString text = files->GetLBText(index);
  if (!text.IsEmpty()) {
    m_selectedIndex = index;
    m_currentPath = text;
    SummarizeTrackFile(index);
  }
  // Choosing a file that can be read switches the track on.
  if (!m_currentPath.IsEmpty() && m_showFlag == 0) {
    m_showFlag = 1;
    CheckDlgButton(IDC_SHOW_TRACK, 1);
  }
}

void CTrackSelectDlg::OnShowToggled() {
  if (m_showFlag == 1) {
    m_showFlag = 0;
    return;
  }
  m_showFlag = 1;
  if (m_currentPath.IsEmpty()) {
    m_selectedIndex = 0;
    m_currentPath = GetDlgItem(IDC_FILES)->GetLBText(0);
    SummarizeTrackFile(0);
  }
  ShowCurrentPath();
}

void CTrackSelectDlg::ShowCurrentPath() { GetDlgItem(IDC_FILES)->SetWindowText(m_currentPath); }

void CTrackSelectDlg::OnRegister() {
  FileListRun run = RunFileListDlg("GPS", m_currentPath, m_dataDirectory, m_editorPath, m_groupDigit);
  if (run.Confirmed()) m_currentPath = run.chosenFile;
  if (run.CallerResets()) {
    m_showFlag = 0;
    m_selectedIndex = -1;
    m_currentPath = "";
    m_displayedNumbers.fill(kNoMoreTracks);
    // The rows go with the numbers they stood for: a row left behind would
    // select a path whose track the host no longer shows. The selected row is
    // the host's and goes back to it unchanged.
    GetDlgItem(IDC_DISPLAYED_LIST)->ResetContent();
    m_lastRow = -1;
    SetDlgItemText(IDC_ROW_COUNT, CString::Formatted("   %d", m_lastRow + 1));
    CheckDlgButton(IDC_SHOW_TRACK, 0);
    OnInitDialog();
    return;
  }
  if (!m_currentPath.IsEmpty()) ShowCurrentPath();
  OnInitDialog();
  CWnd* files = GetDlgItem(IDC_FILES);
  for (int i = 0; i < files->GetCount() && i < kRegisteredSearchLimit; ++i) {
    if (files->GetLBText(i) == m_currentPath) {
      m_selectedIndex = i;
      m_currentPath = files->GetLBText(i);
      SummarizeTrackFile(i);
      break;
    }
  }
}

void CTrackSelectDlg::OnRowSelected() {
  int row = GetDlgItem(IDC_DISPLAYED_LIST)->GetCurSel();
  if (row < 0) return;
  m_currentPath = m_displayedPaths[row];
  ShowCurrentPath();
  m_selectedRow = row;
  SummarizeTrackFile(m_displayedNumbers[row]);
  SetDlgItemText(IDC_ROW_COUNT, CString::Formatted(" %d/%d", row + 1, m_lastRow + 1));
}

// A double-click asks the host for the profile of that track.
void CTrackSelectDlg::OnRowDoubleClicked() {
  int row = GetDlgItem(IDC_DISPLAYED_LIST)->GetCurSel();
  if (row < 0) return;
  m_selectedRow = row;
  m_selectedIndex = m_displayedNumbers[row];
  m_action = "PROFILE";
  EndDialog(IDOK);
}

void CTrackSelectDlg::OnClearAll() {
  m_displayedNumbers.fill(kNoMoreTracks);
  m_selectedIndex = -1;
  m_showFlag = 0;
  GetDlgItem(IDC_DISPLAYED_LIST)->ResetContent();
  EndDialog(IDOK);
}

void CTrackSelectDlg::OnCancelButton() {
  m_selectedIndex = -1;
  EndDialog(-1);
}

void CTrackSelectDlg::OnScaleToggled() {
  if (m_scaleFlag == 0) {
    m_scaleFlag = 1;
    SetDlgItemText(IDC_SCALE_INTERVAL, CString::Formatted("%2dkm", m_scaleInterval));
  } else {
    m_scaleFlag = 0;
  }
}

// Steps of 1 km up to 10 km, of 5 km above.
void CTrackSelectDlg::OnScaleUp() {
  m_scaleInterval = StepBy(m_scaleInterval, m_scaleInterval < 10 ? 1 : 5);
  SetDlgItemText(IDC_SCALE_INTERVAL, CString::Formatted(" %2dkm", m_scaleInterval));
}

void CTrackSelectDlg::OnScaleDown() {
  if (m_scaleInterval > 10) {
    m_scaleInterval = std::max(m_scaleInterval - 5, 10);
  } else {
    m_scaleInterval = std::max(StepBy(m_scaleInterval, -1), 1);
  }
  SetDlgItemText(IDC_SCALE_INTERVAL, CString::Formatted("%2dkm", m_scaleInterval));
}

CString CTrackSelectDlg::Result() const {
  return CString::Formatted("%d %d %d %d %d %d %d ", m_showFlag, m_passedValue, m_scaleFlag, m_scaleInterval, m_group,
                            m_selectedIndex, m_selectedRow) +
         m_format + "|" + m_currentPath + "|" + m_name + "|" + m_type + "|" + m_start + "|" + m_action;
}

CString entry::OnDlgTrack(int showFlag, int passedValue, int selectedIndex, int scaleFlag, int scaleInterval,
                          int selectedRow, int group, CString groupName0, CString groupName1, CString groupName2,
                          CString groupName3, CString groupName4, CString dataDirectory, CString currentPath,
                          CString editorPath, CString displayedNumbers, CString displayedPaths) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CTrackSelectDlg dlg;
  dlg.m_showFlag = showFlag;
  dlg.m_passedValue = passedValue;
  dlg.m_selectedIndex = selectedIndex;
  dlg.m_scaleFlag = scaleFlag;
  dlg.m_scaleInterval = scaleInterval;
  dlg.m_selectedRow = selectedRow;
  dlg.m_group = group;
  dlg.m_groupNames = {groupName0, groupName1, groupName2, groupName3, groupName4};
  dlg.m_dataDirectory = dataDirectory;
  dlg.m_currentPath = currentPath;
  dlg.m_editorPath = editorPath;
  dlg.SetDisplayedTracks(displayedNumbers, displayedPaths);
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
