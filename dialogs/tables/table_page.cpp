#include "dialogs/tables/table_page.h"

#include "dialogs/tables/point_records.h"
#include "resources/146.h"

namespace topodlg {
using namespace res146;
CTablePage::CTablePage() : CPointPage(kTemplateId) {
  OnChoose(IDC_TABLES, [this] { ChooseFrom(IDC_TABLES, m_positions); });
}

bool CTablePage::OnInitDialog() {
  CDialog::OnInitDialog();
  m_positions = FillList(IDC_TABLES, IsTableRecord);
  SetDlgItemText(IDC_COUNT, CString::Formatted("   (%d地点)", static_cast<int>(m_positions.size())));
  return true;
}

}  // namespace topodlg
