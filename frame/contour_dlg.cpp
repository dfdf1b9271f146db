#include "frame/contour_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kMainInterval = 102,
  kTotalMain = 103,
  kIndexEvery = 105,
  kHighest = 114,
  kLowest = 115,
  kAuxShow = 121,
  kAuxHide = 122,
  kAuxInterval = 123,
  kAuxHeight = 124,
  kIndexUp = 125,
  kIndexDown = 126,
  kOkButton = 140,
  kCoastColour = 1002,
  kThickWhenPrinting = 1045,
  kShowIndex = 1200,
  kColourCoded = 1201,
  kIndexColour = 1401,
};

// The preset buttons and the main contour interval each one sets.
constexpr struct {
  int id;
  int interval;
} kPresets[] = {{104, 5}, {106, 10}, {108, 20}, {109, 25}, {110, 50}, {111, 100}};

}  // namespace

CContourDlg::CContourDlg() : CDialog(kTemplateId) {
  for (const auto& preset : kPresets) OnClicked(preset.id, [this, interval = preset.interval] { OnPreset(interval); });
  OnClicked(kAuxHide, [this] { OnHideAuxiliary(); });
  OnClicked(kAuxShow, [this] { OnShowAuxiliary(); });
  OnClicked(kIndexUp, [this] { OnIndexUp(); });
  OnClicked(kIndexDown, [this] { OnIndexDown(); });
  OnClicked(kShowIndex, [this] { m_showIndex = m_showIndex == 0 ? 1 : 0; });
  OnClicked(kColourCoded, [this] { m_colourCoded = m_colourCoded != 1 ? 1 : 0; });
  OnClicked(kThickWhenPrinting, [this] { m_thickWhenPrinting = m_thickWhenPrinting == 0 ? 1 : 0; });
  OnNotify(kIndexColour, CBN_SELCHANGE, [this] { m_indexColour = GetDlgItem(kIndexColour)->GetCurSel(); });
  OnNotify(kCoastColour, CBN_SELCHANGE, [this] { m_coastColour = GetDlgItem(kCoastColour)->GetCurSel(); });
  OnClicked(kOkButton, [this] { OnOkButton(); });
}

void CContourDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kIndexEvery, m_indexEvery);
  DDX_Text(pDX, kMainInterval, m_mainInterval);
  DDX_Text(pDX, kAuxInterval, m_auxInterval);
  DDX_Text(pDX, kAuxHeight, m_auxHeight);
  DDX_Text(pDX, kHighest, m_highest);
  DDX_Text(pDX, kLowest, m_lowest);
  DDX_Text(pDX, kTotalMain, m_totalMain);
}

bool CContourDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckRadioButton(kAuxShow, kAuxHide, m_auxInterval == 0 && m_auxHeight == 0 ? kAuxHide : kAuxShow);
  CheckDlgButton(kShowIndex, m_showIndex == 1);
  CheckDlgButton(kColourCoded, m_colourCoded == 1);
  CheckDlgButton(kThickWhenPrinting, m_thickWhenPrinting == 1);
  GetDlgItem(kIndexColour)->SetCurSel(m_indexColour);
  GetDlgItem(kCoastColour)->SetCurSel(m_coastColour);
  return true;
}

void CContourDlg::OnPreset(int interval) {
  m_mainInterval = interval;
  m_totalMain = m_highest / interval;
  UpdateData(false);
}

// Hiding keeps the auxiliary values so that showing them again restores them.
void CContourDlg::OnHideAuxiliary() {
  m_savedAuxInterval = m_auxInterval;
  m_savedAuxHeight = m_auxHeight;
  m_auxInterval = 0;
  m_auxHeight = 0;
  UpdateData(false);
}

void CContourDlg::OnShowAuxiliary() {
  if (m_auxInterval == 0) m_auxInterval = 10;
  if (m_auxHeight == 0) m_auxHeight = 100;
  if (m_savedAuxInterval != 0) m_auxInterval = m_savedAuxInterval;
  if (m_savedAuxHeight != 0) m_auxHeight = m_savedAuxHeight;
  if (m_mainInterval < 0) m_mainInterval = 100;
  UpdateData(false);
}

void CContourDlg::OnIndexUp() {
  ++m_indexEvery;
  UpdateData(false);
}

void CContourDlg::OnIndexDown() {
  m_indexEvery = m_indexEvery - 1 < 1 ? 1 : m_indexEvery - 1;
  UpdateData(false);
}

// The dialog's own OK button ends the dialog with 1 even when an edit does not
// hold an integer: the framework reports the edit, and the members keep what
// was taken over before it.
void CContourDlg::OnOkButton() {
  m_okButtonFlag = 1;
  UpdateData(true);
  EndDialog(IDOK);
}

CString CContourDlg::Result() const {
  return CString::Formatted("%d %d %d %d %d %d %d %d %d", m_okButtonFlag, m_mainInterval, m_indexEvery, m_auxInterval,
                            m_auxHeight, m_showIndex, m_indexColour, m_colourCoded,
                            m_coastColour + 100 * m_thickWhenPrinting);
}

CString entry::OnDlgContour(int mainInterval, int totalMain, int indexEvery, int highest, int lowest, int auxInterval,
                            int auxHeight, int showIndex, int indexColour, int colourCoded, int coastAndThick) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CContourDlg dlg;
  dlg.m_mainInterval = mainInterval;
  dlg.m_totalMain = totalMain;
  dlg.m_indexEvery = indexEvery;
  dlg.m_highest = highest;
  dlg.m_lowest = lowest;
  dlg.m_auxInterval = auxInterval;
  dlg.m_auxHeight = auxHeight;
  dlg.m_showIndex = showIndex;
  dlg.m_indexColour = indexColour;
  dlg.m_colourCoded = colourCoded;
  // Coast colour and print thickness share one value: colour + 100 x thick.
  dlg.m_coastColour = coastAndThick % 100;
  dlg.m_thickWhenPrinting = coastAndThick / 100;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
