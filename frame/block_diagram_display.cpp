#include "frame/block_diagram_display.h"

#include "resources/135.h"
#include "resources/231.h"

namespace topodlg {
using namespace res135;

// Both templates give the shared controls the same names and numbers.
static_assert(IDC_THICK_LINE == res231::IDC_THICK_LINE && IDC_THIN_LINE == res231::IDC_THIN_LINE &&
              IDC_VERTICAL_LINES == res231::IDC_VERTICAL_LINES && IDC_BASELINE == res231::IDC_BASELINE &&
              IDC_BLOCK_TERRAIN_BACKGROUND == res231::IDC_BLOCK_TERRAIN_BACKGROUND &&
              IDC_BLOCK_WHITE_BACKGROUND == res231::IDC_BLOCK_WHITE_BACKGROUND &&
              IDC_BLACK_TERRAIN_LINE == res231::IDC_BLACK_TERRAIN_LINE &&
              IDC_BLUE_TERRAIN_LINE == res231::IDC_BLUE_TERRAIN_LINE &&
              IDC_RED_TERRAIN_LINE == res231::IDC_RED_TERRAIN_LINE);

void BlockDiagramDisplay::Bind(CDialog& dialog) {
  dialog.OnClicked(IDC_THICK_LINE, [this] { m_sectionLineWidth = 0; });
  dialog.OnClicked(IDC_THIN_LINE, [this] { m_sectionLineWidth = 1; });
  dialog.OnClicked(IDC_VERTICAL_LINES, [this, &dialog] { OnVerticalLines(dialog); });
  dialog.OnClicked(IDC_BASELINE, [this] { m_baseline = m_baseline != 1 ? 1 : 0; });
  dialog.OnClicked(IDC_BLOCK_TERRAIN_BACKGROUND, [this] { m_background = 0; });
  dialog.OnClicked(IDC_BLOCK_WHITE_BACKGROUND, [this] { m_background = 1; });
  dialog.OnClicked(IDC_BLACK_TERRAIN_LINE, [this] { m_terrainLineColour = 0; });
  dialog.OnClicked(IDC_BLUE_TERRAIN_LINE, [this] { m_terrainLineColour = 1; });
  dialog.OnClicked(IDC_RED_TERRAIN_LINE, [this] { m_terrainLineColour = 2; });
}

void BlockDiagramDisplay::Show(CDialog& dialog) const {
  dialog.CheckRadioButton(IDC_THICK_LINE, IDC_THIN_LINE, m_sectionLineWidth == 0 ? IDC_THICK_LINE : IDC_THIN_LINE);
  dialog.CheckRadioButton(IDC_BLOCK_TERRAIN_BACKGROUND, IDC_BLOCK_WHITE_BACKGROUND,
                          m_background == 0 ? IDC_BLOCK_TERRAIN_BACKGROUND : IDC_BLOCK_WHITE_BACKGROUND);
  // A colour the dialog does not know selects no radio.
  const int colourRadio = m_terrainLineColour >= 0 && m_terrainLineColour <= 2
                              ? IDC_BLACK_TERRAIN_LINE + m_terrainLineColour
                              : 0;
  dialog.CheckRadioButton(IDC_BLACK_TERRAIN_LINE, IDC_RED_TERRAIN_LINE, colourRadio);
  dialog.CheckDlgButton(IDC_VERTICAL_LINES, m_verticalLines == 1);
  dialog.CheckDlgButton(IDC_BASELINE, m_baseline == 1);
}

// Vertical lines hang from the baseline, so showing them shows the baseline
// too; hiding them leaves the baseline as it is.
void BlockDiagramDisplay::OnVerticalLines(CDialog& dialog) {
  if (m_verticalLines != 1) {
    m_verticalLines = 1;
    m_baseline = 1;
    dialog.CheckDlgButton(IDC_BASELINE, 1);
  } else {
    m_verticalLines = 0;
  }
}

}  // namespace topodlg
