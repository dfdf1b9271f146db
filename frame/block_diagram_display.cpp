#include "frame/block_diagram_display.h"

namespace topodlg {
namespace {

enum Control : int {
  kThickLine = 1498,
  kThinLine = 1499,
  kVerticalLines = 1501,
  kBaseline = 1502,
  kTerrainBackground = 1503,
  kWhiteBackground = 1504,
  kBlackTerrainLine = 1513,
  kBlueTerrainLine = 1514,
  kRedTerrainLine = 1515,
};

}  // namespace

void BlockDiagramDisplay::Bind(CDialog& dialog) {
  dialog.OnClicked(kThickLine, [this] { m_sectionLineWidth = 0; });
  dialog.OnClicked(kThinLine, [this] { m_sectionLineWidth = 1; });
  dialog.OnClicked(kVerticalLines, [this, &dialog] { OnVerticalLines(dialog); });
  dialog.OnClicked(kBaseline, [this] { m_baseline = m_baseline != 1 ? 1 : 0; });
  dialog.OnClicked(kTerrainBackground, [this] { m_background = 0; });
  dialog.OnClicked(kWhiteBackground, [this] { m_background = 1; });
  dialog.OnClicked(kBlackTerrainLine, [this] { m_terrainLineColour = 0; });
  dialog.OnClicked(kBlueTerrainLine, [this] { m_terrainLineColour = 1; });
  dialog.OnClicked(kRedTerrainLine, [this] { m_terrainLineColour = 2; });
}

void BlockDiagramDisplay::Show(CDialog& dialog) const {
  dialog.CheckRadioButton(kThickLine, kThinLine, m_sectionLineWidth == 0 ? kThickLine : kThinLine);
  dialog.CheckRadioButton(kTerrainBackground, kWhiteBackground,
                          m_background == 0 ? kTerrainBackground : kWhiteBackground);
  // A colour the dialog does not know selects no radio.
  const int colourRadio = m_terrainLineColour >= 0 && m_terrainLineColour <= 2
                              ? kBlackTerrainLine + m_terrainLineColour
                              : 0;
  dialog.CheckRadioButton(kBlackTerrainLine, kRedTerrainLine, colourRadio);
  dialog.CheckDlgButton(kVerticalLines, m_verticalLines == 1);
  dialog.CheckDlgButton(kBaseline, m_baseline == 1);
}

// Vertical lines hang from the baseline, so showing them shows the baseline
// too; hiding them leaves the baseline as it is.
void BlockDiagramDisplay::OnVerticalLines(CDialog& dialog) {
  if (m_verticalLines != 1) {
    m_verticalLines = 1;
    m_baseline = 1;
    dialog.CheckDlgButton(kBaseline, 1);
  } else {
    m_verticalLines = 0;
  }
}

}  // namespace topodlg
