#include "dialogs/tables/web_page_page.h"

#include "dialogs/tables/point_records.h"

namespace topodlg {
namespace {

enum Control : int {
  kCount = 1215,
  kPages = 1099,
};

}  // namespace

CWebPagePage::CWebPagePage() : CPointPage(kTemplateId) {
  OnChoose(kPages, [this] { ChooseFrom(kPages, m_positions); });
}

bool CWebPagePage::OnInitDialog() {
  CDialog::OnInitDialog();
  m_positions = FillList(kPages, IsWebPageRecord, kListedRecords);
  SetDlgItemText(kCount, CString::Formatted("   (%d地点)", static_cast<int>(m_positions.size())));
  return true;
}

}  // namespace topodlg
