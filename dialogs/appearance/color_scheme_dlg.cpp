#include "dialogs/appearance/color_scheme_dlg.h"

#include "dialogs/appearance/color_scheme_store.h"
#include "frame/shared_routines.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/202.h"

namespace topodlg {
using namespace res202;
namespace {

// The swatch controls of C1..C13.
constexpr std::array<int, kSwatchCount> kSwatchIds = {
    IDC_SWATCH_1, IDC_SWATCH_2, IDC_SWATCH_3,  IDC_SWATCH_4,  IDC_SWATCH_5,  IDC_SWATCH_6, IDC_SWATCH_7,
    IDC_SWATCH_8, IDC_SWATCH_9, IDC_SWATCH_10, IDC_SWATCH_11, IDC_SWATCH_12, IDC_SWATCH_13};

constexpr const char* kNewEntry = "新規登録";
constexpr const char* kEditCaption = "編集";
constexpr const char* kUpdateCaption = "更新";
constexpr const char* kBlackHint = "中間の標高を無視する時は黒色を指定してください！";
constexpr const char* kCountStatus = "配色の登録数=%d";
constexpr const char* kAskUpdate = "現在選択中の配色を更新します！";
constexpr const char* kAskRegister = "新規に配色を登録します！";
constexpr const char* kAskName = "配色の名称を入力してください！";
constexpr const char* kLimitReached = "配色は許容限度(30)まで登録されています！";
constexpr const char* kNameTaken = "配色の名称を新規に入力してください！";
constexpr const char* kAskDelete = "現在選択中の配色を削除します！";
constexpr const char* kAskRegisterOnOk = "配色を登録しますか！";
constexpr const char* kAskUpdateOnOk = "配色を更新しますか！";
// Names the scheme index cannot hold are refused before anything is written.
constexpr const char* kNameSeparator = "配色の名称に「$」や改行は使えません！";
constexpr const char* kNameComment = "配色の名称を「;」で始めることはできません！";
constexpr const char* kNameTooLong = "配色の名称が長すぎます！";

// Every question and notice of this dialog offers OK and Cancel.
int Ask(const char* text) { return AfxMessageBox(text, MB_OKCANCEL | MB_ICONEXCLAMATION); }

const char* NameProblemText(SchemeNameProblem problem) {
  switch (problem) {
    case SchemeNameProblem::Comment: return kNameComment;
    case SchemeNameProblem::TooLong: return kNameTooLong;
    case SchemeNameProblem::Empty: return kAskName;
    default: return kNameSeparator;
  }
}

// A swatch's colour fills (0, 0)-(40, 17) inside a white border.
constexpr CRect kSwatchFill = {0, 0, 40, 17};
// The frame that marks the swatch being edited.
constexpr CRect kSwatchFrame = {0, 0, 40, 16};

}  // namespace

CColorSchemeDlg::CColorSchemeDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_SCHEME_LIST, CBN_SELCHANGE, [this] { OnSelectionChange(); });
  for (int k = 0; k < kSwatchCount; ++k) OnClicked(kSwatchIds[k], [this, k] { OnSwatch(k); });
  OnClicked(IDC_PREVIEW, [this] { OnPreviewCheck(); });
  OnClicked(IDC_EDIT, [this] { OnEditButton(); });
  OnClicked(IDC_DELETE, [this] { OnDeleteButton(); });
}

// The buttons act on the current position: while it is the "新規登録"
// entry's, button 1111 registers and "削除" does nothing. After a registration
// the entry's position is kept, so the new scheme's position goes on acting as
// the entry (and offers a further registration) until the dialog is reopened.
bool CColorSchemeDlg::IsNewEntryPosition() const {
  return m_newEntryPosition >= 0 && m_currentPosition == m_newEntryPosition;
}

// A position the host gives outside the list names no scheme: the swatches
// show black and the scheme buttons do nothing.
bool CColorSchemeDlg::IsListedScheme() const {
  return m_currentPosition >= 0 && m_currentPosition < m_schemeCount;
}

std::vector<SchemeEntry> CColorSchemeDlg::ListedSchemes() const {
  std::vector<SchemeEntry> schemes;
  for (int i = 0; i < m_schemeCount; ++i) schemes.push_back({m_schemeNames[i], m_schemeFiles[i]});
  return schemes;
}

void CColorSchemeDlg::ReadIndex() { StoreSchemes(ReadSchemeIndex(m_indexPath)); }

// The file entry after the last scheme marks the free position, so that a
// registration (also one after a deletion) takes the position right after them.
void CColorSchemeDlg::StoreSchemes(const std::vector<SchemeEntry>& schemes) {
  m_schemeNames.fill(CString());
  m_schemeFiles.fill(CString());
  m_schemeCount = static_cast<int>(schemes.size());
  for (int i = 0; i < m_schemeCount; ++i) {
    m_schemeNames[i] = schemes[i].name;
    m_schemeFiles[i] = schemes[i].file;
  }
  m_schemeFiles[m_schemeCount] = kFreeSchemeFile;
}

// The list holds the schemes and, while fewer than 29 are registered, the
// "新規登録" entry after them (not when it is filled again after a
// registration, which leaves the entry's position as it was).
void CColorSchemeDlg::FillList(bool withNewEntry) {
  CComboBox* list = GetDlgItem(IDC_SCHEME_LIST);
  list->ResetContent();
  for (int i = 0; i < m_schemeCount; ++i) list->AddString(m_schemeNames[i]);
  if (withNewEntry) m_newEntryPosition = m_schemeCount < kMaxSchemes - 1 ? list->AddString(kNewEntry) : -1;
}

bool CColorSchemeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ReadIndex();
  FillList(true);
  GetDlgItem(IDC_SCHEME_LIST)->SetCurSel(m_currentPosition);
  SetDlgItemText(IDC_STATUS, CString::Formatted(kCountStatus, m_schemeCount));
  return true;
}

void CColorSchemeDlg::LoadScheme(int position) {
  std::vector<SchemeLine> lines;
  if (position >= 0 && position < m_schemeCount) {
    // A file named outside the data directory reads as missing (and the
    // editor gets no file to open).
    m_schemePath = SchemeFilePath(m_dataDir, {m_schemeNames[position], m_schemeFiles[position]});
    lines = ReadSchemeFile(m_schemePath);
  }
  m_swatches = SchemeSwatchColours(lines, m_preview == 1);
  m_swatches[kSwatchLake] = m_lakeColour;
  m_swatches[kSwatchBackground] = m_backgroundColour;
  m_seaColour = m_swatches[0];
}

void CColorSchemeDlg::ShowNewEntry() {
  for (int k = 0; k < kSwatchCount; ++k) {
    if (IsSchemeSwatch(k)) m_swatches[k] = m_newSchemeColours[k];
  }
  SetDlgItemText(IDC_EDIT, kNewEntry);
}

void CColorSchemeDlg::ClearPreview() {
  if (m_preview == 0) return;
  m_preview = 0;
  CheckDlgButton(IDC_PREVIEW, 0);
}

// The scheme is read when the dialog is first shown, not before. Opening on the
// "新規登録" entry loads no file (its position has none): the scheme swatches
// show black until the entry is chosen in the list.
void CColorSchemeDlg::OnPaint() {
  if (!m_loaded) {
    m_loaded = true;
    LoadScheme(m_currentPosition);
  }
  PaintSwatches();
}

void CColorSchemeDlg::PaintSwatches() {
  for (int k = 0; k < kSwatchCount; ++k) {
    CClientDC dc(GetDlgItem(kSwatchIds[k]));
    FillSwatch(dc, k);
  }
}

void CColorSchemeDlg::FillSwatch(CDC& dc, int swatch) const {
  dc.SelectObject(CPen(PS_SOLID, 1, RGB(255, 255, 255)));
  dc.SelectObject(CBrush(m_swatches[swatch]));
  dc.Rectangle(kSwatchFill.left, kSwatchFill.top, kSwatchFill.right, kSwatchFill.bottom);
}

// The frame is drawn over what each swatch shows, as on the screen, so the
// swatch keeps its colour inside the frame. Each outlining is one drawing of
// its own (the swatch's fill, then its frame): the frames of earlier clicks
// are not kept, so the drawing does not grow with every click.
void CColorSchemeDlg::OutlineSwatches(int framed) {
  for (int k = 0; k < kSwatchCount; ++k) {
    CWnd* swatch = GetDlgItem(kSwatchIds[k]);
    const bool painted = swatch->LastDrawing().has_value();
    CDC dc(swatch->BeginDrawing());
    if (painted) FillSwatch(dc, k);
    dc.SelectObject(CPen(PS_SOLID, 1, k == framed ? RGB(0, 0, 0) : RGB(255, 255, 255)));
    dc.SelectStockHollowBrush();
    dc.Rectangle(kSwatchFrame.left, kSwatchFrame.top, kSwatchFrame.right, kSwatchFrame.bottom);
  }
}

void CColorSchemeDlg::OnSelectionChange() {
  m_currentPosition = GetDlgItem(IDC_SCHEME_LIST)->GetCurSel();
  ClearPreview();
  m_newEntrySelected = IsNewEntryPosition();
  if (m_newEntrySelected) {
    ShowNewEntry();
  } else {
    LoadScheme(m_currentPosition);
    SetDlgItemText(IDC_EDIT, kEditCaption);
  }
  Invalidate();
}

void CColorSchemeDlg::OnSwatch(int swatch) {
  ClearPreview();
  OutlineSwatches(swatch);
  CColorDialog picker(m_swatches[swatch], CC_RGBINIT | CC_FULLOPEN, this);
  if (picker.DoModal() != IDOK) return;
  const COLORREF chosen = picker.GetColor();
  if (m_newEntrySelected && IsSchemeSwatch(swatch)) m_newSchemeColours[swatch] = chosen;
  if (chosen == m_swatches[swatch]) return;
  m_swatches[swatch] = chosen;
  m_changeState = ChangeState::PaletteChangeD;
  // Lakes and the background belong to the host, not to the scheme file.
  if (swatch == kSwatchLake) {
    m_lakeColour = chosen;
    m_changeState = ChangeState::None;
  } else if (swatch == kSwatchBackground) {
    m_backgroundColour = chosen;
    m_changeState = ChangeState::None;
  }
  SetDlgItemText(IDC_EDIT, m_newEntrySelected ? kNewEntry : kUpdateCaption);
  SetDlgItemText(IDC_STATUS, kBlackHint);
  Invalidate();
}

// The preview shows the colours the left-out (black) levels get on the map.
void CColorSchemeDlg::OnPreviewCheck() {
  if (m_newEntrySelected) {
    CheckDlgButton(IDC_PREVIEW, 0);
    return;
  }
  m_preview = m_preview == 0 ? 1 : 0;
  CheckDlgButton(IDC_PREVIEW, m_preview);
  LoadScheme(m_currentPosition);
  Invalidate();
}

// After the editor the swatches stay as they were: the file is read again at
// the next selection of the scheme.
void CColorSchemeDlg::OnEditButton() {
  if (IsNewEntryPosition()) {
    RegisterNewScheme();
  } else if (!IsListedScheme()) {
    return;
  } else if (m_changeState != ChangeState::None) {
    UpdateScheme();
  } else {
    RunEditorAndWait(m_editorProgram, m_schemePath);
  }
}

void CColorSchemeDlg::UpdateScheme() {
  if (Ask(kAskUpdate) != IDOK) return;
  CString failedPath;
  if (!UpdateSchemeFile(m_dataDir, {m_schemeNames[m_currentPosition], m_schemeFiles[m_currentPosition]}, m_swatches,
                        failedPath)) {
    AfxFileErrorBox(failedPath);
    return;
  }
  m_changeState = ChangeState::PaletteChangeF;
  m_changedMark = true;
}

void CColorSchemeDlg::RegisterNewScheme() {
  if (Ask(kAskRegister) != IDOK) return;
  const CString name = GetDlgItem(IDC_SCHEME_LIST)->GetWindowText();
  // The name cannot change while the question is open: only Cancel leaves.
  while (name.IsEmpty() || name == kNewEntry) {
    if (Ask(kAskName) != IDOK) return;
  }
  int free = -1;
  for (int i = 0; i < kMaxSchemes && free < 0; ++i) {
    if (m_schemeFiles[i] == kFreeSchemeFile) free = i;
  }
  if (free < 0) {
    Ask(kLimitReached);
    return;
  }
  for (int i = 0; i < free; ++i) {
    if (m_schemeNames[i] == name) {
      Ask(kNameTaken);
      return;
    }
  }
  // The store checks the index again as it is now (another window may have
  // registered meanwhile) and refuses names the index cannot hold.
  const SchemeRegistration registration = RegisterScheme(m_dataDir, name, m_swatches);
  switch (registration.result) {
    case SchemeRegisterResult::Registered: break;
    case SchemeRegisterResult::LimitReached: Ask(kLimitReached); return;
    case SchemeRegisterResult::NameTaken: Ask(kNameTaken); return;
    case SchemeRegisterResult::BadName: Ask(NameProblemText(registration.nameProblem)); return;
    case SchemeRegisterResult::WriteFailed: AfxFileErrorBox(registration.failedPath); return;
  }
  // The list is read again from the index, without the "新規登録" entry and
  // without a selection; the swatches and the current position stay.
  ReadIndex();
  FillList(false);
  m_changeState = ChangeState::PaletteChangeF;
  m_newEntrySelected = false;
}

// Afterwards the list has no selection and the swatches keep their colours;
// the current position stays, so the buttons act on the scheme that moved up
// into it.
void CColorSchemeDlg::OnDeleteButton() {
  if (IsNewEntryPosition() || !IsListedScheme()) return;
  if (Ask(kAskDelete) != IDOK) return;
  std::vector<SchemeEntry> schemes = ListedSchemes();
  CString failedPath;
  if (!DeleteScheme(m_dataDir, schemes, m_currentPosition, failedPath)) {
    AfxFileErrorBox(failedPath);
    return;
  }
  StoreSchemes(schemes);
  FillList(true);
  m_changeState = ChangeState::PaletteChangeF;
}

void CColorSchemeDlg::OnOK() {
  if (m_changeState == ChangeState::PaletteChangeD) {
    bool proceed = false;
    if (IsNewEntryPosition()) {
      proceed = Ask(kAskRegisterOnOk) == IDOK;
    } else if (IsListedScheme()) {
      m_changedMark = true;
      proceed = Ask(kAskUpdateOnOk) == IDOK;
    }
    if (proceed) {
      OnEditButton();
    } else {
      m_changeState = ChangeState::None;
    }
  }
  EndDialog(IDOK);
}

void CColorSchemeDlg::OnCancel() {
  m_changeState = ChangeState::None;
  EndDialog(IDCANCEL);
}

CString CColorSchemeDlg::Result() const {
  return CString::Formatted("%d %d %d %d %d %d %d %d %d %d", m_changedMark ? -m_currentPosition : m_currentPosition,
                            GetRValue(m_seaColour), GetGValue(m_seaColour), GetBValue(m_seaColour),
                            GetRValue(m_lakeColour), GetGValue(m_lakeColour), GetBValue(m_lakeColour),
                            GetRValue(m_backgroundColour), GetGValue(m_backgroundColour),
                            GetBValue(m_backgroundColour));
}

CString entry::OnDlgClSet(int position, int lakeColour, int backgroundColour, CString dataDir,
                          CString editorProgram) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CColorSchemeDlg dlg;
  dlg.m_currentPosition = position;
  dlg.m_lakeColour = static_cast<COLORREF>(lakeColour);
  dlg.m_backgroundColour = static_cast<COLORREF>(backgroundColour);
  dlg.m_dataDir = dataDir;
  dlg.m_editorProgram = editorProgram;
  dlg.m_indexPath = dataDir + kSchemeIndexName;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
