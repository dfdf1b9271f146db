#include "frame/section_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/135.h"

namespace topodlg {
using namespace res135;
namespace {

constexpr int kWhite = 3;  // the colour that the black radio shows as "白"

// The next "|"-ended field of the block-diagram argument, read as a number.
// Without a "|" the rest of the text is the field, and the fields after it 0.
int TakeField(CString& rest) {
  const int bar = rest.Find('|');
  const CString field = bar < 0 ? rest : rest.Left(bar);
  rest = bar < 0 ? CString() : rest.Mid(bar + 1);
  return Atoi(field);
}

}  // namespace

CSectionDlg::CSectionDlg() : CDialog(kTemplateId) {
  // A value the dialog does not know selects no radio of its row.
  BindRadio(m_displayItem,
            {{IDC_GRADIENT, 0}, {IDC_SLOPE_DISTANCE, 1}, {IDC_SLOPE_HEIGHT_DIFFERENCE, 2}, {IDC_HEIGHT_DIFFERENCE, 3}});
  // The black radio stands for white when the host passed white; choosing it
  // means black all the same.
  BindRadio(m_colour, {{IDC_BLACK, 0}, {IDC_RED, 1}, {IDC_BLUE, 2}});
  BindRadio(m_background, {{IDC_TERRAIN_BACKGROUND, 0}, {IDC_WHITE_BACKGROUND, 1}}).Otherwise(IDC_WHITE_BACKGROUND);
  BindRadio(m_textSize, {{IDC_LARGE_TEXT, 0}, {IDC_MEDIUM_TEXT, 1}, {IDC_SMALL_TEXT, 2}});
  m_block.Bind(*this);
}

bool CSectionDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_colour == kWhite) {
    SetDlgItemText(IDC_BLACK, "白");
    CheckDlgButton(IDC_BLACK, 1);
  }
  return true;
}

CString CSectionDlg::Result() const {
  return CString::Formatted("%d|%d|%d|%d|%d|", m_displayItem, m_colour, m_background, m_passedThrough,
                            m_textSize) +
         CString::Formatted("%d|%d|%d|%d|%d|", m_block.m_terrainLineColour, m_block.m_sectionLineWidth,
                            m_block.m_baseline, m_block.m_verticalLines, m_block.m_background);
}

CString entry::OnDlgGradientSet(int displayItem, int colour, int background, int passedThrough, int textSize,
                                CString blockDiagram) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CSectionDlg dlg;
  dlg.m_displayItem = displayItem;
  dlg.m_colour = colour;
  dlg.m_background = background;
  dlg.m_passedThrough = passedThrough;
  dlg.m_textSize = textSize;
  dlg.m_block.m_terrainLineColour = TakeField(blockDiagram);
  dlg.m_block.m_sectionLineWidth = TakeField(blockDiagram);
  dlg.m_block.m_baseline = TakeField(blockDiagram);
  dlg.m_block.m_verticalLines = TakeField(blockDiagram);
  dlg.m_block.m_background = TakeField(blockDiagram);
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
