#include "frame/print_settings_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/144.h"

namespace topodlg {
using namespace res144;
CPrintSettingsDlg::CPrintSettingsDlg() : CDialog(kTemplateId) {
  BindRadio(m_contourWidth, {{IDC_NORMAL_CONTOURS, 0}, {IDC_THICK_CONTOURS, 1}}).Otherwise(IDC_THICK_CONTOURS);
  BindRadio(m_showPoints, {{IDC_SHOW_POINTS, 1}, {IDC_HIDE_POINTS, 0}}).Otherwise(IDC_HIDE_POINTS);
  BindRadio(m_legendPlace, {{IDC_LEGEND_OUTSIDE, "OUT"}, {IDC_LEGEND_INSIDE, "IN"}}).Otherwise(IDC_LEGEND_INSIDE);
  BindRadio(m_frameScale, {{IDC_FRAME_SCALE_ON, "ON"}, {IDC_FRAME_SCALE_OFF, "OFF"}}).Otherwise(IDC_FRAME_SCALE_OFF);
  BindToggle(m_printIndexMaps, IDC_INDEX_MAPS);
  BindSpin(m_drawingSize, IDC_DRAWING_UP, IDC_DRAWING_DOWN).Step(5).Min(50).Max(180);
  // Up from 12 goes straight to 14; down from 14 goes through 13.
  BindSpin(m_fontSize, IDC_FONT_UP, IDC_FONT_DOWN)
      .Step([](int size) { return size == 12 ? 2 : 1; }, [](int) { return 1; })
      .Min(8)
      .Max(14);
}

void CPrintSettingsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_DRAWING_SIZE, m_drawingSize);
  DDX_Text(pDX, IDC_FONT_SIZE, m_fontSize);
}

CString CPrintSettingsDlg::Result() const {
  return CString::Formatted("%d %d %d %d %d ", m_contourWidth, m_showPoints, m_drawingSize, m_printIndexMaps,
                            m_fontSize) +
         m_legendPlace + "|" + m_frameScale;
}

CString entry::OnDlgPrintSet(int contourWidth, int showPoints, int drawingSize, int printIndexMaps, int fontSize,
                             CString legendPlace, CString frameScale) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CPrintSettingsDlg dlg;
  dlg.m_contourWidth = contourWidth;
  dlg.m_showPoints = showPoints;
  dlg.m_drawingSize = drawingSize;
  dlg.m_printIndexMaps = printIndexMaps;
  dlg.m_fontSize = fontSize;
  dlg.m_legendPlace = legendPlace;
  dlg.m_frameScale = frameScale;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
