#include "dialogs/appearance/grid_page.h"
#include "resources/205.h"

namespace topodlg {
using namespace res205;

CGridPage::CGridPage() : CDialog(kTemplateId) {
  // A value the page does not know checks no radio of its group.
  BindRadio(m_interval, {{IDC_ONE_MINUTE, 1}, {IDC_FIVE_MINUTES, 5}, {IDC_TEN_MINUTES, 10}});
  BindRadio(m_colour, {{IDC_BLACK, "BLACK"}, {IDC_RED, "RED"}, {IDC_BLUE, "BLUE"}});
  BindRadio(m_unit, {{IDC_MINUTES, "OFF"}, {IDC_MESH, "ON"}});
  OnClicked(IDC_LAT_LON, [this] { OnLatLonClicked(); });
  OnClicked(IDC_SHEET_FRAME, [this] { OnSheetFrameClicked(); });
}

void CGridPage::Load(const MapSpecSettings& s) {
  m_interval = s.gridInterval;
  m_latLonLockedOff = s.latLonLockedOff;
  m_latLonLines = s.latLonLines;
  m_colour = s.gridColour;
  m_unit = s.gridUnit;
  m_sheetFrame = s.sheetFrame;
}

void CGridPage::Store(MapSpecSettings& s) const {
  s.gridInterval = m_interval;
  s.latLonLines = m_latLonLines;
  s.gridColour = m_colour;
  s.gridUnit = m_unit;
  s.sheetFrame = m_sheetFrame;
}

bool CGridPage::OnInitDialog() {
  CDialog::OnInitDialog();
  ShowLines();
  return true;
}

void CGridPage::ShowLines() {
  CheckDlgButton(IDC_LAT_LON, m_latLonLockedOff != 1 && m_latLonLines == "ON");
  CheckDlgButton(IDC_SHEET_FRAME, m_sheetFrame == "on");
}

// Latitude/longitude lines and the sheet frame exclude each other. Any text
// other than "ON" counts as off, so the click turns the lines on.
void CGridPage::OnLatLonClicked() {
  if (m_latLonLockedOff != 1) {
    if (m_latLonLines == "ON") {
      m_latLonLines = "OFF";
    } else {
      m_latLonLines = "ON";
      if (m_sheetFrame == "on") m_sheetFrame = "off";
    }
  }
  ShowLines();
}

void CGridPage::OnSheetFrameClicked() {
  if (m_sheetFrame == "off") {
    m_sheetFrame = "on";
    if (m_latLonLines == "ON") m_latLonLines = "OFF";
  } else {
    m_sheetFrame = "off";
  }
  ShowLines();
}

}  // namespace topodlg
