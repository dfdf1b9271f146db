#include "dialogs/areas/area_legend_dlg.h"

#include "dialogs/areas/legend_file.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/195.h"

namespace topodlg {
using namespace res195;
namespace {

constexpr const char* kLinearTitle = "                  線形の凡例";
constexpr const char* kAreaTitle = "                  エリアの凡例";
constexpr const char* kFace = "ＭＳ 明朝";

// The canvas: a white field, and one row of 15 pixels per entry while the row
// stays above 311.
constexpr CRect kField = {2, 2, 249, 274};
constexpr int kFirstRow = 11;
constexpr int kRowStep = 15;
constexpr int kRowEnd = 311;
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The font arguments of the framework: weight 400, Shift-JIS, TrueType output,
// proof quality, variable pitch and roman family.
constexpr int kFontWeight = 400, kShiftJisCharset = 128, kTrueTypePrecision = 4, kProofQuality = 2,
              kVariablePitchRoman = 2 | 16;

}  // namespace

CAreaLegendDlg::CAreaLegendDlg() : CDialog(kTemplateId) {}

// The window keeps its size; only its place on the screen comes from the host.
// The title and the file follow the linear flag differently, as they always
// have: any flag but 0 titles the window for lines, only 1 reads and draws the
// line legend.
bool CAreaLegendDlg::OnInitDialog() {
  SetWindowPos(nullptr, m_x, m_y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  CDialog::OnInitDialog();
  SetWindowText(m_linearFlag != 0 ? kLinearTitle : kAreaTitle);
  SetDlgItemText(IDC_GROUP_NAME, m_groupName);
  PaintLegend();
  return true;
}

void CAreaLegendDlg::OnPaint() { PaintLegend(); }

void CAreaLegendDlg::PaintLegend() {
  CWnd* canvas = GetDlgItem(IDC_CANVAS);
  canvas->Invalidate();
  canvas->UpdateWindow();
  CClientDC dc(canvas);

  const CPen whitePen(PS_SOLID, 1, kWhite);
  const CBrush whiteBrush(kWhite);
  const CPen oldPen = dc.SelectObject(whitePen);
  const CBrush oldBrush = dc.SelectObject(whiteBrush);
  dc.Rectangle(kField.left, kField.top, kField.right, kField.bottom);
  dc.SetBkColor(kWhite);

  const bool lines = m_linearFlag == 1;
  const std::vector<CString> entries = ReadLegendSection(LegendFilePath(m_dataDirectory, m_linearFlag), m_group);
  CFont font;
  font.CreateFont(12, 0, 0, 0, kFontWeight, 0, 0, 0, kShiftJisCharset, kTrueTypePrecision, 0, kProofQuality,
                  kVariablePitchRoman, kFace);
  const CFont oldFont = dc.SelectObject(font);

  for (size_t i = 0; i < entries.size(); ++i) {
    const int y = kFirstRow + kRowStep * static_cast<int>(i);
    if (y >= kRowEnd) break;
    const LegendEntry entry = SplitLegendEntry(entries[i]);
    const COLORREF colour = LegendColour(entry.colour);
    dc.SelectObject(CPen(PS_SOLID, LegendPenWidth(entry.pattern), colour));
    if (lines) {
      dc.MoveTo(5, y);
      dc.LineTo(32, y);
    } else {
      const std::optional<int> hatch = LegendHatch(entry.pattern);
      dc.SelectObject(hatch ? CBrush(*hatch, colour) : CBrush::Hollow());
      dc.Rectangle(5, y - 6, 32, y + 6);
    }
    dc.TextOut(lines ? 37 : 42, y - 7, entry.description);
  }

  dc.SelectObject(oldFont);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

void entry::OnLnrAreaLgnd(int x, int y, int linearFlag, int group, CString dataDirectory, CString groupName) {
  AFX_MAINTAIN_STATE guard;
  CAreaLegendDlg dlg;
  dlg.m_x = x;
  dlg.m_y = y;
  dlg.m_linearFlag = linearFlag;
  dlg.m_group = group;
  dlg.m_dataDirectory = dataDirectory;
  dlg.m_groupName = groupName;
  dlg.DoModal();
}

}  // namespace topodlg
