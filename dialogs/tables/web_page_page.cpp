#include "dialogs/tables/web_page_page.h"

#include "dialogs/tables/point_records.h"
#include "resources/149.h"

namespace topodlg {
using namespace res149;
CWebPagePage::CWebPagePage() : CPointPage(kTemplateId) {
  OnChoose(IDC_PAGES, [this] { ChooseFrom(IDC_PAGES, m_positions); });
}

bool CWebPagePage::OnInitDialog() {
  CDialog::OnInitDialog();
  m_positions = FillList(IDC_PAGES, IsWebPageRecord, kListedRecords);
  SetDlgItemText(IDC_COUNT, CString::Formatted("   (%d地点)", static_cast<int>(m_positions.size())));
  return true;
}

}  // namespace topodlg
