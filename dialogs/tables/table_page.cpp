#include "dialogs/tables/table_page.h"

#include "dialogs/tables/point_records.h"

namespace topodlg {
namespace {

enum Control : int {
  kCount = 1215,
  kTables = 1098,
};

}  // namespace

CTablePage::CTablePage() : CPointPage(kTemplateId) {
  OnChoose(kTables, [this] { ChooseFrom(kTables, m_positions); });
}

bool CTablePage::OnInitDialog() {
  CDialog::OnInitDialog();
  m_positions = FillList(kTables, IsTableRecord);
  SetDlgItemText(kCount, CString::Formatted("   (%d地点)", static_cast<int>(m_positions.size())));
  return true;
}

}  // namespace topodlg
