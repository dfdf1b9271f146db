#include "frame/section_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/135.h"

namespace topodlg {
using namespace res135;
namespace {

constexpr int kWhite = 3;  // the colour that the black radio shows as "白"

// The radio of `value` in a row of radios valued 0, 1, 2, ...; 0 (none) for a
// value outside the row.
int RadioOf(int value, int first, int last) { return value >= 0 && value <= last - first ? first + value : 0; }

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
  OnClickedRange(IDC_GRADIENT, IDC_HEIGHT_DIFFERENCE, [this](int id) { m_displayItem = id - IDC_GRADIENT; });
  // The black radio stands for white when the host passed white; choosing it
  // means black all the same.
  OnClickedRange(IDC_BLACK, IDC_BLUE, [this](int id) { m_colour = id - IDC_BLACK; });
  OnClicked(IDC_TERRAIN_BACKGROUND, [this] { m_background = 0; });
  OnClicked(IDC_WHITE_BACKGROUND, [this] { m_background = 1; });
  OnClickedRange(IDC_LARGE_TEXT, IDC_SMALL_TEXT, [this](int id) { m_textSize = id - IDC_LARGE_TEXT; });
  m_block.Bind(*this);
}

bool CSectionDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckRadioButton(IDC_GRADIENT, IDC_HEIGHT_DIFFERENCE, RadioOf(m_displayItem, IDC_GRADIENT, IDC_HEIGHT_DIFFERENCE));
  if (m_colour == kWhite) {
    SetDlgItemText(IDC_BLACK, "白");
    CheckRadioButton(IDC_BLACK, IDC_BLUE, IDC_BLACK);
  } else {
    CheckRadioButton(IDC_BLACK, IDC_BLUE, RadioOf(m_colour, IDC_BLACK, IDC_BLUE));
  }
  CheckRadioButton(IDC_TERRAIN_BACKGROUND, IDC_WHITE_BACKGROUND,
                   m_background == 0 ? IDC_TERRAIN_BACKGROUND : IDC_WHITE_BACKGROUND);
  CheckRadioButton(IDC_LARGE_TEXT, IDC_SMALL_TEXT, RadioOf(m_textSize, IDC_LARGE_TEXT, IDC_SMALL_TEXT));
  m_block.Show(*this);
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
