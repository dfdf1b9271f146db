// Map settings page "湖沼" (dialog 206): lakes and reservoirs with their
// names and elevations, and the reservoirs' least length.
#pragma once

#include "dialogs/appearance/map_spec_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CLakePage : public CDialog {
 public:
  static constexpr int kTemplateId = 206;
  CLakePage();

  void Load(const MapSpecSettings& s);
  void Store(MapSpecSettings& s) const;

  int m_lakes = 0, m_lakeNames = 0, m_lakeElevation = 0;
  int m_reservoirs = 0, m_reservoirNames = 0, m_reservoirElevation = 0;
  int m_reservoirLength = 0;  // 0: 5 km or more, 1: 1 km or more

 protected:
  bool OnInitDialog() override;

 private:
  void ShowBoxes();
};

}  // namespace topodlg
