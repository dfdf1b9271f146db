// Map settings page "測地系" (dialog 136): the datum of the map and the
// sheet frame and mesh grid in the world datum.
#pragma once

#include "dialogs/appearance/map_spec_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CDatumPage : public CDialog {
 public:
  static constexpr int kTemplateId = 136;
  CDatumPage();

  void Load(const MapSpecSettings& s);
  void Store(MapSpecSettings& s) const;

  int m_datum = 0;       // 0 Tokyo datum, 1 world datum
  int m_worldFrame = 0;  // 1: frame and mesh grid drawn in the world datum

 protected:
  bool OnInitDialog() override;

 private:
  void OnDatumChosen();
};

}  // namespace topodlg
