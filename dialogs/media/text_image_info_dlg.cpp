#include "dialogs/media/text_image_info_dlg.h"

#include "dialogs/media/source_list.h"
#include "dialogs/points/file_list.h"
#include "dialogs/points/file_list_dlg.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "platform/path_map.h"

namespace topodlg {
namespace {

enum Control : int {
  kDisplay = 1226,
  kCountText = 1229,
  kEntries = 1231,
  kEditList = 1232,
  kPointNames = 1298,
  kKeyword = 1299,
  kListLabel = 1300,
};

// DATAFILE.dat lines are read with this byte limit here.
constexpr int kDataFileLineLimit = 99;
const char* const kCommonArea = "HD(共通領域)";

}  // namespace

CTextImageInfoDlg::CTextImageInfoDlg() : CDialog(kTemplateId) {
  OnNotify(kEntries, CBN_SELCHANGE, [this] { OnEntryChosen(); });
  OnClicked(kEditList, [this] { OnEditList(); });
  BindToggle(m_displayFlag, kDisplay);
  OnClicked(kDisplay, [this] { OnDisplayToggled(); });
  // The box asks for the names: ticked while they are not hidden.
  BindToggle(m_hideNames, kPointNames, 0, 1);
}

void CTextImageInfoDlg::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, kKeyword, m_keyword); }

// Also run again after the file-list dialog: the list is read anew.
bool CTextImageInfoDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // Run again, a position shown for the previous file must not stay beside a
  // file the list no longer holds: the count text starts from the template's.
  CWnd* countText = GetDlgItem(kCountText);
  countText->SetWindowText(countText->Template().text);
  m_entryCount = 0;
  GetDlgItem(kEntries)->ResetContent();
  if (m_sourceMode == 0) {
    FillFromDataFileList();
  } else {
    FillFromSourceList();
  }
  if (m_displayFlag == 1) {
    if (m_sourceMode == 0) {
      GetDlgItem(kEntries)->SetWindowText(m_currentFile);
    } else {
      GetDlgItem(kEntries)->SetCurSel(m_currentIndex);
    }
    if (m_currentIndex != -1) ShowPosition();
  } else {
    SetDlgItemText(kCountText, CString::Formatted("（現在%dﾌｧｲﾙ）", m_entryCount));
  }
  return true;
}

void CTextImageInfoDlg::FillFromDataFileList() {
  SetDlgItemText(kListLabel, "『ルクス地図』");
  m_currentIndex = -1;
  CWnd* entries = GetDlgItem(kEntries);
  const auto lines = ReadListToFirstEmptyLine(m_dataDirectory + "DATAFILE.dat", CommentLines::List,
                                              kDataFileLineLimit);
  for (const CString& line : lines) {
    entries->AddString(line);
    if (m_displayFlag == 1 && line == m_currentFile) m_currentIndex = entries->GetCount();
  }
  m_entryCount = static_cast<int>(lines.size());
}

void CTextImageInfoDlg::FillFromSourceList() {
  SetDlgItemText(kEditList, "");
  SetDlgItemText(kListLabel, "『テラノバ探訪記』");
  std::vector<CString> names;
  if (IsTrek55(m_programPath)) {
    m_scratch = GetWindowsDirectory();
    names = ReadIniSources(m_scratch + "\\" + "trek55.ini");
  } else {
    names = ReadBinderSources(ProductFolderForList(m_programPath) + "SOURCE\\BINDER.DAT");
  }
  CWnd* entries = GetDlgItem(kEntries);
  entries->AddString(kCommonArea);
  m_entryCount = 1;
  for (const CString& name : names) {
    entries->AddString(name);
    ++m_entryCount;
  }
  m_currentIndex = SourceNumberOf(m_currentFile);
}

// The position counts from 1: the common area is source 0.
void CTextImageInfoDlg::ShowPosition() {
  const int position = m_sourceMode == 0 ? m_currentIndex : m_currentIndex + 1;
  SetDlgItemText(kCountText, CString::Formatted("   ( %d/%d )", position, m_entryCount));
}

// A cleared selection chooses nothing.
void CTextImageInfoDlg::OnEntryChosen() {
  CWnd* entries = GetDlgItem(kEntries);
  const int selected = entries->GetCurSel();
  if (selected < 0) return;
  if (m_sourceMode != 0) {
    m_currentIndex = selected;
    m_currentFile = SourceFilePath(ProductFolderForSource(m_programPath), selected);
  } else {
    m_currentIndex = selected + 1;
    m_currentFile = entries->GetLBText(selected);
  }
  ShowPosition();
  if (m_displayFlag == 0) {
    m_displayFlag = 1;
    CheckDlgButton(kDisplay, 1);
  }
}

// The sources of the sibling product are not a list of this library's.
void CTextImageInfoDlg::OnEditList() {
  if (m_sourceMode != 0) return;
  FileListRun run = RunFileListDlg("LINKNAME", m_currentFile, m_dataDirectory, m_editorPath);
  if (run.Confirmed()) m_currentFile = run.chosenFile;
  if (run.CallerResets()) {
    m_currentFile = "";
    m_displayFlag = 0;
  } else if (m_displayFlag == 1) {
    CheckDlgButton(kDisplay, 1);
    GetDlgItem(kEntries)->SetWindowText(m_currentFile);
  }
  OnInitDialog();
}

// Switched on, the entry box shows the current file again.
void CTextImageInfoDlg::OnDisplayToggled() {
  if (m_displayFlag == 1) GetDlgItem(kEntries)->SetWindowText(m_currentFile);
}

// An empty keyword travels as "*" so that the host's split keeps its place.
CString CTextImageInfoDlg::Result() const {
  return CString::Formatted("%d %d ", m_displayFlag, m_hideNames) + m_currentFile + "|" +
         (m_keyword.IsEmpty() ? CString("*") : m_keyword);
}

CString entry::OnDlgLink(int displayFlag, int sourceMode, int hideNames, int unused, CString currentFile,
                         CString scratch, CString programPath, CString editorPath, CString keyword,
                         CString dataDirectory) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CTextImageInfoDlg dlg;
  dlg.m_displayFlag = displayFlag;
  dlg.m_sourceMode = sourceMode;
  dlg.m_hideNames = hideNames;
  dlg.m_unused = unused;
  dlg.m_currentFile = currentFile;
  dlg.m_scratch = scratch;
  dlg.m_programPath = programPath;
  dlg.m_editorPath = editorPath;
  dlg.m_keyword = keyword;
  dlg.m_dataDirectory = dataDirectory;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
