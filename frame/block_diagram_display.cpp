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
  dialog.BindRadio(m_sectionLineWidth, {{IDC_THICK_LINE, 0}, {IDC_THIN_LINE, 1}}).Otherwise(IDC_THIN_LINE);
  dialog.BindToggle(m_verticalLines, IDC_VERTICAL_LINES);
  // Vertical lines hang from the baseline, so showing them shows the baseline
  // too; hiding them leaves the baseline as it is.
  dialog.OnClicked(IDC_VERTICAL_LINES, [this, &dialog] {
    if (m_verticalLines != 1) return;
    m_baseline = 1;
    dialog.CheckDlgButton(IDC_BASELINE, 1);
  });
  dialog.BindToggle(m_baseline, IDC_BASELINE);
  dialog.BindRadio(m_background, {{IDC_BLOCK_TERRAIN_BACKGROUND, 0}, {IDC_BLOCK_WHITE_BACKGROUND, 1}})
      .Otherwise(IDC_BLOCK_WHITE_BACKGROUND);
  // A colour the dialog does not know selects no radio.
  dialog.BindRadio(m_terrainLineColour,
                   {{IDC_BLACK_TERRAIN_LINE, 0}, {IDC_BLUE_TERRAIN_LINE, 1}, {IDC_RED_TERRAIN_LINE, 2}});
}

}  // namespace topodlg
