#include "dialogs/tables/text_image_page.h"

#include "dialogs/tables/point_records.h"
#include "resources/176.h"

namespace topodlg {
using namespace res176;
CTextImagePage::CTextImagePage() : CPointPage(kTemplateId) {
  OnChoose(IDC_IMAGES, [this] { OnChooseImage(); });
  OnChoose(IDC_TEXTS, [this] { OnChooseText(); });
}

// Album and web page lines are in neither list.
bool CTextImagePage::OnInitDialog() {
  CDialog::OnInitDialog();
  m_imagePositions = FillList(IDC_IMAGES, IsImageRecord);
  m_textPositions = FillList(IDC_TEXTS, IsTextRecord);
  SetDlgItemText(IDC_IMAGE_COUNT, CString::Formatted("画像(%d地点)", static_cast<int>(m_imagePositions.size())));
  SetDlgItemText(IDC_TEXT_COUNT, CString::Formatted("ﾃｷｽﾄ(%d地点)", static_cast<int>(m_textPositions.size())));
  return true;
}

// One point is chosen on the page: a choice in one list clears the other's.
void CTextImagePage::OnChooseImage() {
  if (ChooseFrom(IDC_IMAGES, m_imagePositions)) GetDlgItem(IDC_TEXTS)->SetCurSel(-1);
}

void CTextImagePage::OnChooseText() {
  if (ChooseFrom(IDC_TEXTS, m_textPositions)) GetDlgItem(IDC_IMAGES)->SetCurSel(-1);
}

}  // namespace topodlg
