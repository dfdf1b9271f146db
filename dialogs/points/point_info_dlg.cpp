#include "dialogs/points/point_info_dlg.h"

#include <iterator>

#include "dialogs/points/file_list.h"
#include "dialogs/points/file_list_dlg.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "platform/spin_step.h"
#include "resources/182.h"

namespace topodlg {
using namespace res182;
namespace {

// The labels beside the seven visible rows of the list.
constexpr int kColourLabels[] = {IDC_ROW_COLOUR_1, IDC_ROW_COLOUR_2, IDC_ROW_COLOUR_3, IDC_ROW_COLOUR_4,
                                 IDC_ROW_COLOUR_5, IDC_ROW_COLOUR_6, IDC_ROW_COLOUR_7};
constexpr int kVisibleRows = static_cast<int>(std::size(kColourLabels));
constexpr int kTagMin = 1, kTagMax = 30;
const char* const kEndMarker = "999";

// The host draws the files of the list in these colours, in turn.
constexpr const char* kRowColours[10] = {"紫", "緑", "黄", "橙", "空", "緑", "青", "茶", "金", "赤"};

}  // namespace

CPointInfoDlg::CPointInfoDlg() : CDialog(kTemplateId) {
  BindToggle(m_displayFlag, IDC_DISPLAY);
  OnClicked(IDC_DISPLAY, [this] {
    if (m_displayFlag == 1) GetDlgItem(IDC_FILE_COMBO)->SetWindowText(m_currentFile);
  });
  OnNotify(IDC_FILE_COMBO, CBN_SELCHANGE, [this] { OnFileChosen(); });
  OnClicked(IDC_EDIT_LIST, [this] { OnEditList(); });
  OnNotify(IDC_FILE_LIST, LBN_SELCHANGE, [this] { OnRowSelected(); });
  OnClicked(IDC_CLEAR_ALL, [this] { OnClearAll(); });
  OnClicked(IDC_REMOVE_ROW, [this] { OnRemoveRow(); });
  BindRadio(m_symbolSize, {{IDC_LARGE, 1}, {IDC_SMALL, 0}}).Otherwise(IDC_LARGE);
  BindSpin(m_tagInterval, IDC_TAG_UP, IDC_TAG_DOWN).Clamp(kTagMin, kTagMax).Shows(IDC_TAG_INTERVAL);
}

// A list the host passes with a count of 0 or less is not split: the entries
// stay empty, so a shown list has 65 blank rows and the result's one entry for
// a count of 0 is empty. A split list that lacks the end marker ends after its
// last entry.
void CPointInfoDlg::SetFileList(const CString& packed) {
  m_files.fill("");
  if (m_fileCount <= 0) return;
  CString rest = packed;
  int count = 0;
  while (count < kListCapacity) {
    int bar = rest.Find('|');
    m_files[count] = bar < 0 ? rest : rest.Left(bar);
    if (m_files[count++] == kEndMarker || bar < 0) break;
    rest = rest.Mid(bar + 1);
  }
  if (count < kListCapacity && m_files[count - 1] != kEndMarker) m_files[count] = kEndMarker;
}

void CPointInfoDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_TAG_INTERVAL, m_tagInterval);
  DDV_MinMaxInt(pDX, m_tagInterval, kTagMin, kTagMax);
}

bool CPointInfoDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CWnd* combo = GetDlgItem(IDC_FILE_COMBO);
  combo->ResetContent();
  for (const CString& line : ReadListToFirstEmptyLine(m_dataDirectory + "EXPLFILE.DAT", CommentLines::List)) {
    combo->AddString(line);
  }
  if (m_displayFlag == 1) {
    combo->SetWindowText(m_currentFile);
    CWnd* list = GetDlgItem(IDC_FILE_LIST);
    list->ResetContent();
    for (const CString& file : m_files) {
      if (file == kEndMarker) break;
      list->AddString(file);
    }
    m_shownRows = list->GetCount();
    m_topRow = list->GetTopIndex();
    SetDlgItemText(IDC_FILE_COUNT_TEXT,
                   CString::Formatted(m_fileCount == 1 ? "( %2d file )" : "( %2d files)", m_fileCount));
    if (m_shownRows < 8) NameRowColours();
  }
  return true;
}

// The label beside visible row i names the colour of list row top + i.
void CPointInfoDlg::NameRowColours() {
  for (int i = 0; i < m_shownRows && i < kListCapacity && m_files[i] != kEndMarker; ++i) {
    if (i < kVisibleRows) SetDlgItemText(kColourLabels[i], kRowColours[(m_topRow + i) % 10]);
  }
}

void CPointInfoDlg::OnFileChosen() {
  CWnd* combo = GetDlgItem(IDC_FILE_COMBO);
  m_currentFile = combo->GetLBText(combo->GetCurSel());
  if (m_displayFlag == 0) {
    m_displayFlag = 1;
    CheckDlgButton(IDC_DISPLAY, 1);
  }
}

void CPointInfoDlg::OnEditList() {
  FileListRun run = RunFileListDlg("POINTNAME", m_currentFile, m_dataDirectory, m_editorPath);
  if (run.Confirmed()) m_currentFile = run.chosenFile;
  if (run.CallerResets()) {
    m_currentFile = "";
    m_displayFlag = 0;
    m_files[0] = kEndMarker;
    m_fileCount = -1;
  } else if (m_displayFlag == 1) {
    CheckDlgButton(IDC_DISPLAY, 1);
    GetDlgItem(IDC_FILE_COMBO)->SetWindowText(m_currentFile);
  }
  OnInitDialog();
}

void CPointInfoDlg::OnRowSelected() {
  CWnd* list = GetDlgItem(IDC_FILE_LIST);
  m_selectedRow = list->GetCurSel();
  m_topRow = list->GetTopIndex();
  NameRowColours();
}

void CPointInfoDlg::OnClearAll() {
  if (m_fileCount == 0) return;
  m_files.fill("");
  m_files[0] = kEndMarker;
  m_fileCount = -1;
  EndDialog(IDOK);
}

// The rows after the removed one move up, the end marker with them.
void CPointInfoDlg::OnRemoveRow() {
  if (m_fileCount == 0 || m_selectedRow < 0) return;
  for (int i = 0; i + 1 < kListCapacity; ++i) {
    if (i >= m_selectedRow) m_files[i] = m_files[i + 1];
    if (m_files[i] == kEndMarker || i + 1 >= kListCapacity - 1) break;
  }
  m_fileCount = StepBy(m_fileCount, -1);
  EndDialog(IDOK);
}

CString CPointInfoDlg::Result() const {
  CString result = CString::Formatted("%d|%d|%d|%d|", m_displayFlag, m_fileCount, m_symbolSize, m_tagInterval);
  result += m_currentFile + "|";
  if (m_fileCount < 0) return result;
  for (int i = 0; i <= m_fileCount && i < kListCapacity; ++i) {
    result += m_files[i] + "|";
    if (m_files[i] == kEndMarker) break;
  }
  return result;
}

CString entry::OnDlgPoint(int packed, int count, int symbolSize, CString currentFile, CString editorPath,
                          CString dataDirectory, CString fileList) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CPointInfoDlg dlg;
  // Tag interval and display flag travel as one value: interval x 100 + flag.
  dlg.m_tagInterval = packed / 100;
  dlg.m_displayFlag = packed % 100;
  dlg.m_fileCount = count;
  dlg.m_symbolSize = symbolSize;
  dlg.m_currentFile = currentFile;
  dlg.m_editorPath = editorPath;
  dlg.m_dataDirectory = dataDirectory;
  dlg.SetFileList(fileList);
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
