#include "dialogs/appearance/place_name_page.h"

#include "dialogs/appearance/place_name_label.h"
#include "dialogs/points/file_list.h"
#include "platform/text_file.h"
#include "resources/207.h"

namespace topodlg {
using namespace res207;

namespace {

constexpr int kSmallestFont = 8, kLargestFont = 14;

}  // namespace

CPlaceNamePage::CPlaceNamePage() : CDialog(kTemplateId) {
  // Up from 12 goes straight to 14; down never passes 8.
  BindSpin(m_fontSize, IDC_FONT_UP, IDC_FONT_DOWN)
      .Step([](int size) { return size == 12 ? 2 : 1; }, [](int) { return 1; })
      .Min(kSmallestFont)
      .Max(kLargestFont)
      .Shows(IDC_FONT_SIZE);
  OnNotify(IDC_DISPLAY_COUNT, CBN_SELCHANGE, [this] { m_displayCount = GetDlgItem(IDC_DISPLAY_COUNT)->GetCurSel(); });
  OnClicked(IDC_SHOW, [this] { OnShowClicked(); });
  // A background the page does not know checks no radio.
  BindRadio(m_textBackground,
            {{IDC_OPAQUE, "OPAQUE"}, {IDC_TRANSPARENT, "TRANSPARENT"}, {IDC_PRINT_TRANSPARENT, "PRT_TRANSPARENT"}});
  BindToggle(m_popup, IDC_POPUP);
  OnClicked(IDC_POPUP, [this] { ShowStatus("地点：黒色で表示"); });
  OnClicked(IDC_WHOLE_AREA, [this] { OnFileKindClicked(false); });
  OnClicked(IDC_REGIONAL, [this] { OnFileKindClicked(true); });
  OnNotify(IDC_FILES, CBN_SELCHANGE, [this] { OnFileChosen(); });
}

void CPlaceNamePage::Load(const MapSpecSettings& s) {
  m_fontSize = s.fontSize;
  m_displayCount = s.displayCount;
  m_wideArea = s.wideArea;
  m_showPlaceNames = s.showPlaceNames;
  m_fileMode = s.fileMode;
  m_itemColour = s.itemColour;
  m_popup = s.popup;
  m_regionalPath = s.regionalPath;
  m_secondPath = s.secondPath;
  m_placeNameFile = s.placeNameFile;
  m_mapKind = s.mapKind;
  m_textBackground = s.textBackground;
  m_dataDirectory = s.dataDirectory;
}

void CPlaceNamePage::Store(MapSpecSettings& s) const {
  s.fontSize = m_fontSize;
  s.displayCount = m_displayCount;
  s.showPlaceNames = m_showPlaceNames;
  s.fileMode = m_fileMode;
  s.popup = m_popup;
  s.placeNameFile = m_placeNameFile;
  s.textBackground = m_textBackground;
}

bool CPlaceNamePage::WideAreaMap() const { return m_mapKind.Find("広域") >= 0; }

// The opening text says "地名：黒色で表示", the popup button's "地点：黒色で表示".
void CPlaceNamePage::ShowStatus(const char* blackText) {
  CString status;
  if (WideAreaMap()) {
    status = "地図1Km#広域ﾌﾞﾛｯｸ図では地点名を表示しません。";
  } else if (m_popup == 1) {
    status = " 地名がポップアップで表示";
  } else {
    status = m_itemColour == 2 ? "地名：黒色、都市名：青色、駅名：赤色で表示" : blackText;
  }
  SetDlgItemText(IDC_STATUS, status);
}

bool CPlaceNamePage::OnInitDialog() {
  CDialog::OnInitDialog();
  ShowStatus("地名：黒色で表示");
  CheckDlgButton(IDC_SHOW, m_showPlaceNames == 1 && !(WideAreaMap() && m_wideArea == 1));
  if (m_displayCount < 0) m_displayCount = 0;
  GetDlgItem(IDC_DISPLAY_COUNT)->SetCurSel(m_displayCount);

  // The whole-area place-name files, up to the first empty line.
  CComboBox* files = GetDlgItem(IDC_FILES);
  files->ResetContent();
  for (const CString& line : ReadListToFirstEmptyLine(m_dataDirectory + "PNTFILE.dat", CommentLines::List)) {
    files->AddString(line);
  }
  if (m_placeNameFile.Find('\\') >= 0) {
    if (m_fileMode == 1 || m_fileMode == 4 || m_fileMode == 8) files->SetWindowText(PlaceNameFileLabel(m_placeNameFile));
  } else {
    const CString label = PlaceNameModeLabel(m_fileMode);
    if (!label.IsEmpty()) files->SetWindowText(label);
  }

  // Without its regional place-name file the page offers the whole-area files only.
  const CString regional = RegionalFileName(m_regionalPath);
  if (!regional.IsEmpty() && LineReader(m_dataDirectory + "Local20\\" + regional).IsOpen()) {
    m_regionalIndex = 1;
  } else {
    m_regionalIndex = -1;
    m_fileMode = 1;
  }
  switch (m_fileMode) {
    case 1: case 8: m_wholeArea = 1; m_regional = 0; break;
    case 2: m_wholeArea = 0; m_regional = 0; break;
    case 3: case 5: m_wholeArea = 0; m_regional = 1; break;
    case 4: case 7: m_wholeArea = 1; m_regional = 1; break;
    default: break;
  }
  ShowFileChoices();
  return true;
}

void CPlaceNamePage::ShowFileChoices() {
  CheckDlgButton(IDC_WHOLE_AREA, m_wholeArea == 1);
  CheckDlgButton(IDC_REGIONAL, m_regional == 1);
}

// Wide-area block maps show no place names.
void CPlaceNamePage::OnShowClicked() {
  if (WideAreaMap() && m_wideArea == 1) {
    m_showPlaceNames = 0;
  } else {
    m_showPlaceNames = m_showPlaceNames == 1 ? 0 : 1;
  }
  CheckDlgButton(IDC_SHOW, m_showPlaceNames == 1);
}

// Either file kind may be on, or both; with neither, the whole-area files
// come back on. The regional box stays clear while there is no regional file.
void CPlaceNamePage::OnFileKindClicked(bool regional) {
  if (!regional) {
    m_wholeArea = m_wholeArea == 1 ? 0 : 1;
  } else if (m_regionalIndex != -1) {
    m_regional = m_regional == 1 ? 0 : 1;
  }
  if (m_wholeArea != 1 && m_regional != 1) m_wholeArea = 1;
  CComboBox* files = GetDlgItem(IDC_FILES);
  if (m_regional != 1) {
    m_fileMode = 1;
    m_placeNameFile = files->GetWindowText();
  } else if (m_wholeArea == 1) {
    m_fileMode = 4;
    m_placeNameFile = "ﾌｧｲﾙ:全域＋地域";
  } else {
    m_fileMode = 3;
    m_placeNameFile = RegionalChoiceText(m_regionalPath);
  }
  files->SetWindowText(m_placeNameFile);
  ShowFileChoices();
}

void CPlaceNamePage::OnFileChosen() {
  CComboBox* files = GetDlgItem(IDC_FILES);
  const int index = files->GetCurSel();
  if (index >= 0) m_placeNameFile = files->GetLBText(index);
}

}  // namespace topodlg
