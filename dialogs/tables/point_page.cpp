#include "dialogs/tables/point_page.h"

#include <algorithm>

#include "dialogs/tables/point_records.h"

namespace topodlg {
namespace {

enum Control : int {
  kFirstValue = 1213,
  kSecondValue = 1214,
  kNote = 1219,
};

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
  SetDlgItemText(kFirstValue, PointRecordField(m_chosen, 1));
  SetDlgItemText(kSecondValue, PointRecordField(m_chosen, 2));
  SetDlgItemText(kNote, PointRecordField(m_chosen, 3));
  return true;
}

}  // namespace topodlg
