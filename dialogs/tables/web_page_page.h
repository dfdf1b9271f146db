// Tab page 1 of the registered point list (149): points with web pages.
#pragma once

#include "dialogs/tables/point_page.h"

namespace topodlg {

class CWebPagePage : public CPointPage {
 public:
  static constexpr int kTemplateId = 149;
  // Only the first 1000 record lines are looked at for the list.
  static constexpr int kListedRecords = 1000;
  CWebPagePage();

 protected:
  bool OnInitDialog() override;

 private:
  std::vector<int> m_positions;  // record position of each item
};

}  // namespace topodlg
