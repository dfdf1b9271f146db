#include "dialogs/tables/point_page.h"

#include <algorithm>

#include "dialogs/tables/point_records.h"
#include "resources/146.h"
#include "resources/149.h"
#include "resources/176.h"

namespace topodlg {
// The three pages show a chosen point in statics of the same identifiers.
using namespace res176;
namespace {

static_assert(IDC_FIRST_VALUE == res149::IDC_FIRST_VALUE && IDC_FIRST_VALUE == res146::IDC_FIRST_VALUE);
static_assert(IDC_SECOND_VALUE == res149::IDC_SECOND_VALUE && IDC_SECOND_VALUE == res146::IDC_SECOND_VALUE);
static_assert(IDC_NOTE == res149::IDC_NOTE && IDC_NOTE == res146::IDC_NOTE);

}  // namespace

void CPointPage::SetRecords(const std::vector<CString>& records) {
  const size_t kept = std::min(records.size(), static_cast<size_t>(kCapacity - 1));
  m_records.assign(records.begin(), records.begin() + static_cast<long>(kept));
  m_records.push_back(kEndMarker);
}

int CPointPage::RecordCount() const { return m_records.empty() ? 0 : static_cast<int>(m_records.size()) - 1; }

std::vector<int> CPointPage::FillList(int listId, bool (*keep)(const CString&), int limit) {
  std::vector<int> positions;
  CWnd* list = GetDlgItem(listId);
  list->ResetContent();
  const int count = std::min(RecordCount(), limit);
  for (int i = 0; i < count; ++i) {
    if (!keep(m_records[i])) continue;
    list->AddString(PointListItem(m_records[i]));
    positions.push_back(i);
  }
  return positions;
}

void CPointPage::OnChoose(int listId, std::function<void()> handler) {
  OnNotify(listId, LBN_SELCHANGE, handler);
  OnNotify(listId, LBN_DBLCLK, std::move(handler));
}

bool CPointPage::ChooseFrom(int listId, const std::vector<int>& positions) {
  const int item = GetDlgItem(listId)->GetCurSel();
  if (item < 0 || item >= static_cast<int>(positions.size())) return false;
  m_chosen = m_records[positions[item]];
  SetDlgItemText(IDC_FIRST_VALUE, PointRecordField(m_chosen, 1));
  SetDlgItemText(IDC_SECOND_VALUE, PointRecordField(m_chosen, 2));
  SetDlgItemText(IDC_NOTE, PointRecordField(m_chosen, 3));
  return true;
}

}  // namespace topodlg
