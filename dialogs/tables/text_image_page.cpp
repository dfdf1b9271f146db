#include "dialogs/tables/text_image_page.h"

#include "dialogs/tables/point_records.h"

namespace topodlg {
namespace {

enum Control : int {
  kImageCount = 1215,
  kTextCount = 1216,
  kTexts = 1217,
  kImages = 1218,
};

}  // namespace

CTextImagePage::CTextImagePage() : CPointPage(kTemplateId) {
  OnChoose(kImages, [this] { OnChooseImage(); });
  OnChoose(kTexts, [this] { OnChooseText(); });
}

// Album and web page lines are in neither list.
bool CTextImagePage::OnInitDialog() {
  CDialog::OnInitDialog();
  m_imagePositions = FillList(kImages, IsImageRecord);
  m_textPositions = FillList(kTexts, IsTextRecord);
  SetDlgItemText(kImageCount, CString::Formatted("画像(%d地点)", static_cast<int>(m_imagePositions.size())));
  SetDlgItemText(kTextCount, CString::Formatted("ﾃｷｽﾄ(%d地点)", static_cast<int>(m_textPositions.size())));
  return true;
}

// One point is chosen on the page: a choice in one list clears the other's.
void CTextImagePage::OnChooseImage() {
  if (ChooseFrom(kImages, m_imagePositions)) GetDlgItem(kTexts)->SetCurSel(-1);
}

void CTextImagePage::OnChooseText() {
  if (ChooseFrom(kTexts, m_textPositions)) GetDlgItem(kImages)->SetCurSel(-1);
}

}  // namespace topodlg
