#include "frame/contour_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/140.h"

namespace topodlg {
using namespace res140;
namespace {

// The preset buttons and the main contour interval each one sets.
constexpr struct {
  int id;
  int interval;
} kPresets[] = {{IDC_PRESET_5, 5},   {IDC_PRESET_10, 10}, {IDC_PRESET_20, 20},
                {IDC_PRESET_25, 25}, {IDC_PRESET_50, 50}, {IDC_PRESET_100, 100}};

}  // namespace

CContourDlg::CContourDlg() : CDialog(kTemplateId) {
  for (const auto& preset : kPresets) OnClicked(preset.id, [this, interval = preset.interval] { OnPreset(interval); });
  OnClicked(IDC_AUX_HIDE, [this] { OnHideAuxiliary(); });
  OnClicked(IDC_AUX_SHOW, [this] { OnShowAuxiliary(); });
  BindSpin(m_indexEvery, IDC_INDEX_UP, IDC_INDEX_DOWN).Min(1);
  // The boxes show checked for 1 only. A click on an unchecked box makes 1 of
  // any other value for the colour coding, but 0 for the other two.
  BindToggle(m_showIndex, IDC_SHOW_INDEX).OthersTurnOff();
  BindToggle(m_colourCoded, IDC_COLOUR_CODED);
  BindToggle(m_thickWhenPrinting, IDC_THICK_WHEN_PRINTING).OthersTurnOff();
  OnNotify(IDC_INDEX_COLOUR, CBN_SELCHANGE, [this] { m_indexColour = GetDlgItem(IDC_INDEX_COLOUR)->GetCurSel(); });
  OnNotify(IDC_COAST_COLOUR, CBN_SELCHANGE, [this] { m_coastColour = GetDlgItem(IDC_COAST_COLOUR)->GetCurSel(); });
  OnClicked(IDC_OK_BUTTON, [this] { OnOkButton(); });
}

void CContourDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_INDEX_EVERY, m_indexEvery);
  DDX_Text(pDX, IDC_MAIN_INTERVAL, m_mainInterval);
  DDX_Text(pDX, IDC_AUX_INTERVAL, m_auxInterval);
  DDX_Text(pDX, IDC_AUX_HEIGHT, m_auxHeight);
  DDX_Text(pDX, IDC_HIGHEST, m_highest);
  DDX_Text(pDX, IDC_LOWEST, m_lowest);
  DDX_Text(pDX, IDC_TOTAL_MAIN, m_totalMain);
}

bool CContourDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckRadioButton(IDC_AUX_SHOW, IDC_AUX_HIDE, m_auxInterval == 0 && m_auxHeight == 0 ? IDC_AUX_HIDE : IDC_AUX_SHOW);
  GetDlgItem(IDC_INDEX_COLOUR)->SetCurSel(m_indexColour);
  GetDlgItem(IDC_COAST_COLOUR)->SetCurSel(m_coastColour);
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
