#include "frame/print_settings_dlg.h"

#include <algorithm>

#include "frame/spin_step.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/144.h"

namespace topodlg {
using namespace res144;
namespace {

constexpr int kDrawingStep = 5, kSmallestDrawing = 50, kLargestDrawing = 180;
constexpr int kSmallestFont = 8, kLargestFont = 14;

}  // namespace

CPrintSettingsDlg::CPrintSettingsDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_NORMAL_CONTOURS, [this] { m_contourWidth = 0; });
  OnClicked(IDC_THICK_CONTOURS, [this] { m_contourWidth = 1; });
  OnClicked(IDC_SHOW_POINTS, [this] { m_showPoints = 1; });
  OnClicked(IDC_HIDE_POINTS, [this] { m_showPoints = 0; });
  OnClicked(IDC_LEGEND_OUTSIDE, [this] { m_legendPlace = "OUT"; });
  OnClicked(IDC_LEGEND_INSIDE, [this] { m_legendPlace = "IN"; });
  OnClicked(IDC_FRAME_SCALE_ON, [this] { m_frameScale = "ON"; });
  OnClicked(IDC_FRAME_SCALE_OFF, [this] { m_frameScale = "OFF"; });
  // The box shows the member as checked only when it is 1, so any other value
  // turns into 1 with the box's first click.
  OnClicked(IDC_INDEX_MAPS, [this] { m_printIndexMaps = m_printIndexMaps != 1 ? 1 : 0; });
  OnClicked(IDC_DRAWING_UP, [this] { OnDrawingSize(kDrawingStep); });
  OnClicked(IDC_DRAWING_DOWN, [this] { OnDrawingSize(-kDrawingStep); });
  OnClicked(IDC_FONT_UP, [this] { OnFontUp(); });
  OnClicked(IDC_FONT_DOWN, [this] { OnFontDown(); });
}

void CPrintSettingsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_DRAWING_SIZE, m_drawingSize);
  DDX_Text(pDX, IDC_FONT_SIZE, m_fontSize);
}

bool CPrintSettingsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckRadioButton(IDC_NORMAL_CONTOURS, IDC_THICK_CONTOURS,
                   m_contourWidth != 0 ? IDC_THICK_CONTOURS : IDC_NORMAL_CONTOURS);
  CheckRadioButton(IDC_LEGEND_OUTSIDE, IDC_LEGEND_INSIDE,
                   m_legendPlace == "OUT" ? IDC_LEGEND_OUTSIDE : IDC_LEGEND_INSIDE);
  CheckRadioButton(IDC_FRAME_SCALE_ON, IDC_FRAME_SCALE_OFF,
                   m_frameScale == "ON" ? IDC_FRAME_SCALE_ON : IDC_FRAME_SCALE_OFF);
  CheckRadioButton(IDC_SHOW_POINTS, IDC_HIDE_POINTS, m_showPoints == 1 ? IDC_SHOW_POINTS : IDC_HIDE_POINTS);
  CheckDlgButton(IDC_INDEX_MAPS, m_printIndexMaps == 1);
  return true;
}

void CPrintSettingsDlg::OnDrawingSize(int delta) {
  const int stepped = StepBy(m_drawingSize, delta);
  m_drawingSize = delta > 0 ? std::min(stepped, kLargestDrawing) : std::max(stepped, kSmallestDrawing);
  UpdateData(false);
}

// Up from 12 goes straight to 14; down from 14 goes through 13.
void CPrintSettingsDlg::OnFontUp() {
  m_fontSize = StepBy(m_fontSize, 1);
  if (m_fontSize >= 13) m_fontSize = kLargestFont;
  UpdateData(false);
}

void CPrintSettingsDlg::OnFontDown() {
  m_fontSize = std::max(StepBy(m_fontSize, -1), kSmallestFont);
  UpdateData(false);
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
