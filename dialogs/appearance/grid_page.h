// Map settings page "格子線" (dialog 205): grid interval, colour and unit,
// latitude and longitude lines, and the regional sheet frame (never both).
#pragma once

#include "dialogs/appearance/map_spec_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CGridPage : public CDialog {
 public:
  static constexpr int kTemplateId = 205;
  CGridPage();

  void Load(const MapSpecSettings& s);
  void Store(MapSpecSettings& s) const;

  int m_interval = 0;         // 1, 5 or 10
  int m_latLonLockedOff = 0;  // 1: the latitude/longitude box stays clear
  CString m_latLonLines;      // "ON" / "OFF"
  CString m_colour;           // "BLACK", "RED", "BLUE"
  CString m_unit;             // "OFF" minutes, "ON" mesh
  CString m_sheetFrame;       // "on" / "off"

 protected:
  bool OnInitDialog() override;

 private:
  void OnLatLonClicked();
  void OnSheetFrameClicked();
  void ShowLines();
};

}  // namespace topodlg
