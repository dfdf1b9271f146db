#include "dialogs/media/album_update_dlg.h"

#include "frame/shared_routines.h"
#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kMemo2 = 104,
  kTextFile = 105,
  kMemo1 = 106,
  kDelete = 121,
  kEntries = 128,
  kPlaceName = 129,
  kItem = 130,
  kCountText = 131,
  kFirstCoordinate = 132,
  kSecondCoordinate = 1000,
  kEdit = 1076,
  kImageFile = 1170,
  kFinish = 1200,
};

const char* const kEndMarker = "999";

}  // namespace

CAlbumUpdateDlg::CAlbumUpdateDlg() : CDialog(kTemplateId) {
  OnNotify(kEntries, LBN_SELCHANGE, [this] { OnEntrySelected(); });
  OnClicked(kEdit, [this] { OnEdit(); });
  OnClicked(kDelete, [this] { OnDelete(); });
  OnClicked(kFinish, [this] { OnFinish(); });
}

// The album point's data are free text: nothing is validated.
void CAlbumUpdateDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kFirstCoordinate, m_firstCoordinate);
  DDX_Text(pDX, kSecondCoordinate, m_secondCoordinate);
  DDX_Text(pDX, kPlaceName, m_placeName);
  DDX_Text(pDX, kItem, m_item);
}

bool CAlbumUpdateDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_parsed.clear();
  m_entries.fill("");
  for (const CString& line : ReadAlbumLines(m_albumPath)) m_parsed.push_back(ParseAlbumEntry(line));
  for (size_t i = 0; i < m_parsed.size(); ++i) m_entries[i] = HeldAlbumEntry(m_parsed[i]);
  m_entries[m_parsed.size()] = kEndMarker;

  CWnd* list = GetDlgItem(kEntries);
  list->ResetContent();
  for (const AlbumEntry& entry : m_parsed) list->AddString(AlbumListRow(entry));
  m_entryCount = list->GetCount();
  SetDlgItemText(kCountText, CString::Formatted("%d件", m_entryCount));
  MoveFocus(this, kMemo1);
  return false;  // the focus is placed
}

void CAlbumUpdateDlg::OnEntrySelected() {
  const int selected = GetDlgItem(kEntries)->GetCurSel();
  if (selected < 0 || selected >= static_cast<int>(m_parsed.size())) return;
  SetDlgItemText(kCountText, CString::Formatted("%d/%d", selected + 1, m_entryCount));
  const AlbumEntry& entry = m_parsed[static_cast<size_t>(selected)];
  const TextAndImage files = SplitTextAndImage(entry);
  m_memo1 = entry.memo1;
  m_memo2 = entry.memo2;
  m_textFile = files.textFile;
  m_imageFile = files.imageFile;
  SetDlgItemText(kTextFile, m_textFile);
  SetDlgItemText(kImageFile, m_imageFile);
  SetDlgItemText(kMemo1, m_memo1);
  SetDlgItemText(kMemo2, m_memo2);
}

// The list is not read again: the user reopens the dialog to see the changes.
void CAlbumUpdateDlg::OnEdit() {
  if (!m_albumPath.IsEmpty()) RunEditorAndWait(m_editorPath, m_albumPath);
}

void CAlbumUpdateDlg::OnDelete() {
  m_status = kStatusDelete;
  EndDialog(kEndDelete);
}

// Finishing takes the point's boxes as the user left them, as OK does: the
// result hands the point data back either way.
void CAlbumUpdateDlg::OnFinish() {
  UpdateData(true);
  m_status = kStatusFinished;
  EndDialog(IDOK);
}

CString CAlbumUpdateDlg::Result(int endCode) const {
  if (endCode == kEndDelete && m_status == kStatusDelete) return "3|";
  if (endCode != IDOK) return "";
  const int how = m_status == kStatusFinished ? 2 : 1;
  return CString::Formatted("%d|", how) + m_placeName + " " + m_firstCoordinate + " " + m_secondCoordinate + " " +
         m_item + " ";
}

CString entry::OnAlbumUpdate(CString albumPath, CString placeName, CString item, CString secondCoordinate,
                             CString firstCoordinate, CString editorPath) {
  AFX_MAINTAIN_STATE guard;
  CAlbumUpdateDlg dlg;
  dlg.m_albumPath = albumPath;
  dlg.m_placeName = placeName;
  dlg.m_item = item;
  dlg.m_secondCoordinate = secondCoordinate;
  dlg.m_firstCoordinate = firstCoordinate;
  dlg.m_editorPath = editorPath;
  const int endCode = dlg.DoModal();
  return dlg.Result(endCode);
}

}  // namespace topodlg
