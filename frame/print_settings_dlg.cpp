#include "frame/print_settings_dlg.h"

#include <algorithm>

#include "frame/spin_step.h"
#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kNormalContours = 1000,
  kThickContours = 1001,
  kFontSize = 1002,
  kFontUp = 1003,
  kFontDown = 1004,
  kFrameScaleOn = 1005,
  kDrawingSize = 1006,
  kDrawingUp = 1007,
  kFrameScaleOff = 1008,
  kLegendOutside = 1009,
  kLegendInside = 1010,
  kDrawingDown = 1011,
  kShowPoints = 1012,
  kHidePoints = 1013,
  kIndexMaps = 1118,
};

constexpr int kDrawingStep = 5, kSmallestDrawing = 50, kLargestDrawing = 180;
constexpr int kSmallestFont = 8, kLargestFont = 14;

}  // namespace

CPrintSettingsDlg::CPrintSettingsDlg() : CDialog(kTemplateId) {
  OnClicked(kNormalContours, [this] { m_contourWidth = 0; });
  OnClicked(kThickContours, [this] { m_contourWidth = 1; });
  OnClicked(kShowPoints, [this] { m_showPoints = 1; });
  OnClicked(kHidePoints, [this] { m_showPoints = 0; });
  OnClicked(kLegendOutside, [this] { m_legendPlace = "OUT"; });
  OnClicked(kLegendInside, [this] { m_legendPlace = "IN"; });
  OnClicked(kFrameScaleOn, [this] { m_frameScale = "ON"; });
  OnClicked(kFrameScaleOff, [this] { m_frameScale = "OFF"; });
  // The box shows the member as checked only when it is 1, so any other value
  // turns into 1 with the box's first click.
  OnClicked(kIndexMaps, [this] { m_printIndexMaps = m_printIndexMaps != 1 ? 1 : 0; });
  OnClicked(kDrawingUp, [this] { OnDrawingSize(kDrawingStep); });
  OnClicked(kDrawingDown, [this] { OnDrawingSize(-kDrawingStep); });
  OnClicked(kFontUp, [this] { OnFontUp(); });
  OnClicked(kFontDown, [this] { OnFontDown(); });
}

void CPrintSettingsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kDrawingSize, m_drawingSize);
  DDX_Text(pDX, kFontSize, m_fontSize);
}

bool CPrintSettingsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckRadioButton(kNormalContours, kThickContours, m_contourWidth != 0 ? kThickContours : kNormalContours);
  CheckRadioButton(kLegendOutside, kLegendInside, m_legendPlace == "OUT" ? kLegendOutside : kLegendInside);
  CheckRadioButton(kFrameScaleOn, kFrameScaleOff, m_frameScale == "ON" ? kFrameScaleOn : kFrameScaleOff);
  CheckRadioButton(kShowPoints, kHidePoints, m_showPoints == 1 ? kShowPoints : kHidePoints);
  CheckDlgButton(kIndexMaps, m_printIndexMaps == 1);
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
