#include "dialogs/appearance/grid_page.h"

namespace topodlg {
namespace {

enum Control : int {
  kSheetFrame = 1062,
  kLatLon = 1063,
};

struct IntRadio {
  int id;
  int value;
};
const IntRadio kIntervals[] = {{1050, 1}, {1052, 5}, {1053, 10}};

struct TextRadio {
  int id;
  const char* text;
};
const TextRadio kColours[] = {{1054, "BLACK"}, {1055, "RED"}, {1056, "BLUE"}};
const TextRadio kUnits[] = {{1059, "OFF"}, {1060, "ON"}};

}  // namespace

CGridPage::CGridPage() : CDialog(kTemplateId) {
  for (const IntRadio& r : kIntervals) OnClicked(r.id, [this, r] { m_interval = r.value; });
  for (const TextRadio& r : kColours) OnClicked(r.id, [this, r] { m_colour = r.text; });
  for (const TextRadio& r : kUnits) OnClicked(r.id, [this, r] { m_unit = r.text; });
  OnClicked(kLatLon, [this] { OnLatLonClicked(); });
  OnClicked(kSheetFrame, [this] { OnSheetFrameClicked(); });
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
  for (const IntRadio& r : kIntervals) CheckDlgButton(r.id, m_interval == r.value);
  for (const TextRadio& r : kColours) CheckDlgButton(r.id, m_colour == r.text);
  for (const TextRadio& r : kUnits) CheckDlgButton(r.id, m_unit == r.text);
  ShowLines();
  return true;
}

void CGridPage::ShowLines() {
  CheckDlgButton(kLatLon, m_latLonLockedOff != 1 && m_latLonLines == "ON");
  CheckDlgButton(kSheetFrame, m_sheetFrame == "on");
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
