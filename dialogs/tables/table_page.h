// Tab page 2 of the registered point list (146): points with statistics
// tables (".csv" files).
#pragma once

#include "dialogs/tables/point_page.h"

namespace topodlg {

class CTablePage : public CPointPage {
 public:
  static constexpr int kTemplateId = 146;
  CTablePage();

 protected:
  bool OnInitDialog() override;

 private:
  std::vector<int> m_positions;  // record position of each item
};

}  // namespace topodlg
