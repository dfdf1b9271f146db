// Tab page 0 of the registered point list (176): points with images and points
// with texts, in two lists.
#pragma once

#include "dialogs/tables/point_page.h"

namespace topodlg {

class CTextImagePage : public CPointPage {
 public:
  static constexpr int kTemplateId = 176;
  CTextImagePage();

 protected:
  bool OnInitDialog() override;

 private:
  void OnChooseImage();
  void OnChooseText();

  std::vector<int> m_imagePositions;  // record position of each image item
  std::vector<int> m_textPositions;   // record position of each text item
};

}  // namespace topodlg
