#include "dialogs/appearance/map_spec_dlg.h"

#include "dialogs/appearance/keyword_history.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/204.h"
#include "resources/203.h"

namespace topodlg {
using namespace res203;

namespace {

const char* const kTabLabels[CMapSpecDlg::kTabCount] = {" 地名 ", "地名仕様", "格子線", "行政界", "湖沼", "測地系"};

}  // namespace

CMapSpecDlg::CMapSpecDlg() : CDialog(kTemplateId) {
  BindToggle(m_settings.legend, IDC_LEGEND, "ON", "OFF");
  BindToggle(m_settings.scaleCompass, IDC_SCALE_COMPASS, "on", "off");
  BindToggle(m_settings.pointer, IDC_POINTER, "on", "off");
  BindToggle(m_settings.titleShown, IDC_TITLE_SHOWN);
  OnNotify(IDC_TABS, TCN_SELCHANGE, [this] { OnTabChanged(); });
}

void CMapSpecDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_TITLE, m_settings.mapTitle);
  DDX_Text(pDX, IDC_SHEET_NUMBER, m_settings.sheetNumber);
}

CDialog* CMapSpecDlg::PageAt(int tab) {
  CDialog* pages[kTabCount] = {&m_placeNamePage, &m_stylePage, &m_gridPage,
                               &m_boundaryPage,  &m_lakePage,  &m_datumPage};
  return tab >= 0 && tab < kTabCount ? pages[tab] : nullptr;
}

// The pages get their copies and are made once, hidden, inside the tab
// control; only the current tab's page is shown. A current tab outside the
// six selects no tab and shows no page until the user picks one.
bool CMapSpecDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CTabCtrl* tabs = GetDlgItem(IDC_TABS);
  tabs->DeleteAllItems();
  for (int i = 0; i < kTabCount; ++i) tabs->InsertItem(i, kTabLabels[i]);
  tabs->SetCurSel(m_settings.currentTab);
  if (!m_pagesCreated) {
    m_pagesCreated = true;
    m_placeNamePage.Load(m_settings);
    m_stylePage.Load(m_settings);
    m_gridPage.Load(m_settings);
    m_boundaryPage.Load(m_settings);
    m_lakePage.Load(m_settings);
    m_datumPage.Load(m_settings);
    for (int i = 0; i < kTabCount; ++i) PageAt(i)->Create(PageAt(i)->TemplateId(), this);
  }
  if (CDialog* page = PageAt(m_settings.currentTab)) page->ShowWindow(SW_SHOW);
  return true;
}

void CMapSpecDlg::OnTabChanged() {
  if (CDialog* old = PageAt(m_settings.currentTab)) old->ShowWindow(SW_HIDE);
  m_settings.currentTab = GetDlgItem(IDC_TABS)->GetCurSel();
  if (CDialog* page = PageAt(m_settings.currentTab)) page->ShowWindow(SW_SHOW);
}

// Enter pressed in the keyword box takes its text as clicking OK would (the
// box loses the focus then).
void CMapSpecDlg::OnOK() {
  auto [focusOwner, focusId] = Focus();
  if (focusOwner == &m_stylePage && focusId == res204::IDC_KEYWORD) m_stylePage.TakeKeyword();
  m_placeNamePage.Store(m_settings);
  m_stylePage.Store(m_settings);
  m_gridPage.Store(m_settings);
  m_boundaryPage.Store(m_settings);
  m_lakePage.Store(m_settings);
  m_datumPage.Store(m_settings);
  if (!m_settings.keyword.IsEmpty()) {
    UpdateKeywordHistory(KeywordHistoryPath(m_settings.dataDirectory), m_settings.keyword);
  }
  CDialog::OnOK();
}

CString entry::OnDlgMpSpc(
    int itemsPerPoint, int itemPosition, int symbolColour, int itemColour, int showPlaceNames, int fileMode,
    int fontSize, int displayCount, int wideArea, int boundaries, int boundaryDetails, int latLonLockedOff,
    int lakes, int lakeNames, int reservoirs, int reservoirNames, int reservoirLength, int lakeElevation,
    int reservoirElevation, int popup, int datumTabFrame, int gridInterval, CString regionalPath,
    CString secondPath, CString placeNameFile, CString sheetNumber,
    CString mapTitle, CString legend, CString gridUnit, CString sheetFrame,
    CString mapKind, CString latLonLines, CString gridColour,
    CString scaleCompass, CString pointer, CString textBackground,
    CString dataDirectory, CString prefectureColour, CString keyword,
    CString kindsAndMarker) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CMapSpecDlg dlg;
  dlg.m_settings = DecodeMapSpecArguments(
      {itemsPerPoint, itemPosition, symbolColour, itemColour, showPlaceNames, fileMode, fontSize, displayCount,
       wideArea, boundaries, boundaryDetails, latLonLockedOff, lakes, lakeNames, reservoirs, reservoirNames,
       reservoirLength, lakeElevation, reservoirElevation, popup, datumTabFrame, gridInterval},
      {regionalPath, secondPath, placeNameFile, sheetNumber, mapTitle, legend, gridUnit, sheetFrame, mapKind,
       latLonLines, gridColour, scaleCompass, pointer, textBackground, dataDirectory, prefectureColour, keyword,
       kindsAndMarker});
  if (dlg.DoModal() == IDOK) result = EncodeMapSpecResult(dlg.m_settings);
  return result;
}

}  // namespace topodlg
