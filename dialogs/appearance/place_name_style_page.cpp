#include "dialogs/appearance/place_name_style_page.h"

#include "dialogs/appearance/keyword_history.h"
#include "resources/204.h"

namespace topodlg {
using namespace res204;

namespace {

// The kind toggles, kinds 1 to 10: sea, lake, island, mountain, valley,
// river, city/town/station, bay, cape, no nameless places.
constexpr int kKindIds[kPlaceKindCount] = {IDC_SEA, IDC_LAKE, IDC_ISLAND, IDC_MOUNTAIN, IDC_VALLEY, IDC_RIVER,
                                               IDC_CITY, IDC_BAY, IDC_CAPE, IDC_NO_NAMELESS};
constexpr int kCityKind = 6;  // index of "市･町･駅"

}  // namespace

CPlaceNameStylePage::CPlaceNameStylePage() : CDialog(kTemplateId) {
  // A value the page does not know checks no radio of its group.
  BindRadio(m_symbolColour, {{IDC_SYMBOL_BLACK, 1}, {IDC_SYMBOL_RED, 2}, {IDC_SYMBOL_ELEVATION, 3}});
  BindRadio(m_itemsPerPoint, {{IDC_ITEM_NAME, 1}, {IDC_ITEM_ELEVATION, 2}, {IDC_ITEM_BOTH, 3}});
  BindRadio(m_itemPosition, {{IDC_RIGHT, 1}, {IDC_ABOVE, 2}, {IDC_BELOW, 3}});
  BindRadio(m_itemColour, {{IDC_ITEM_BLACK, 1}, {IDC_ITEM_THREE, 2}});
  OnClicked(IDC_ALL_KINDS, [this] { OnAllKinds(); });
  for (int k = 0; k < kPlaceKindCount; ++k) OnClicked(kKindIds[k], [this, k] { OnKind(k); });
  OnNotify(IDC_KEYWORD, CBN_SELCHANGE, [this] { OnKeywordChosen(); });
  OnNotify(IDC_KEYWORD, CBN_KILLFOCUS, [this] { TakeKeyword(); });
}

void CPlaceNameStylePage::Load(const MapSpecSettings& s) {
  m_symbolColour = s.symbolColour;
  m_itemsPerPoint = s.itemsPerPoint;
  m_itemPosition = s.itemPosition;
  m_itemColour = s.itemColour;
  m_allKinds = s.allKinds;
  m_kinds = s.kinds;
  m_keyword = s.keyword;
  m_dataDirectory = s.dataDirectory;
}

void CPlaceNameStylePage::Store(MapSpecSettings& s) const {
  s.symbolColour = m_symbolColour;
  s.itemsPerPoint = m_itemsPerPoint;
  s.itemPosition = m_itemPosition;
  s.itemColour = m_itemColour;
  s.allKinds = m_allKinds;
  s.kinds = m_kinds;
  s.keyword = m_keyword;
}

bool CPlaceNameStylePage::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_allKinds == 1) m_kinds.fill(0);
  ShowKinds();
  CComboBox* box = GetDlgItem(IDC_KEYWORD);
  box->ResetContent();
  m_keywordList = ReadKeywordList(KeywordHistoryPath(m_dataDirectory));
  for (const CString& line : m_keywordList) box->AddString(line);
  if (!m_keyword.IsEmpty()) box->SetWindowText(m_keyword);
  return true;
}

void CPlaceNameStylePage::ShowKinds() {
  CheckDlgButton(IDC_ALL_KINDS, m_allKinds == 1);
  for (int k = 0; k < kPlaceKindCount; ++k) CheckDlgButton(kKindIds[k], m_allKinds != 1 && m_kinds[k] == 1);
}

// "すべて" off turns every kind on one by one, so single kinds can then be
// taken away; "すべて" on clears them.
void CPlaceNameStylePage::OnAllKinds() {
  if (m_allKinds == 1) {
    m_allKinds = 0;
    m_kinds.fill(1);
  } else {
    m_allKinds = 1;
    m_kinds.fill(0);
  }
  ShowKinds();
}

// Choosing one kind ends "すべて" with no kind on. Cities, towns and stations
// alone are never a choice of their own: with none of the natural kinds on,
// the click always turns them on.
void CPlaceNameStylePage::OnKind(int kind) {
  if (m_allKinds == 1) {
    m_allKinds = 0;
    m_kinds.fill(0);
  }
  if (kind == kCityKind) {
    bool anyOther = false;
    for (int k : {0, 1, 2, 3, 4, 5, 7, 8}) anyOther = anyOther || m_kinds[k] == 1;
    if (!anyOther) m_kinds[kCityKind] = 0;
  }
  m_kinds[kind] = m_kinds[kind] == 0 ? 1 : 0;
  ShowKinds();
}

void CPlaceNameStylePage::OnKeywordChosen() {
  CComboBox* box = GetDlgItem(IDC_KEYWORD);
  const int index = box->GetCurSel();
  if (index >= 0) m_keyword = box->GetLBText(index);
}

void CPlaceNameStylePage::TakeKeyword() { m_keyword = GetDlgItem(IDC_KEYWORD)->GetWindowText(); }

}  // namespace topodlg
