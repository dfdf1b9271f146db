// Map settings (dialog 203): map title and sheet number, the legend,
// scale and pointer switches, and six tab pages for place names, their style,
// grid lines, boundaries, lakes and the datum.
#pragma once

#include <array>

#include "dialogs/appearance/boundary_page.h"
#include "dialogs/appearance/datum_page.h"
#include "dialogs/appearance/grid_page.h"
#include "dialogs/appearance/lake_page.h"
#include "dialogs/appearance/map_spec_settings.h"
#include "dialogs/appearance/place_name_page.h"
#include "dialogs/appearance/place_name_style_page.h"
#include "platform/dialog.h"

namespace topodlg {

class CMapSpecDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 203;
  static constexpr int kTabCount = 6;
  CMapSpecDlg();

  MapSpecSettings m_settings;  // the dialog's own copy; the pages give theirs back at OK

  CPlaceNamePage m_placeNamePage;
  CPlaceNameStylePage m_stylePage;
  CGridPage m_gridPage;
  CBoundaryPage m_boundaryPage;
  CLakePage m_lakePage;
  CDatumPage m_datumPage;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;

 private:
  CDialog* PageAt(int tab);
  void OnTabChanged();
  bool m_pagesCreated = false;
};

}  // namespace topodlg
