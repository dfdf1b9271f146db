#include "dialogs/settings/env_method_page.h"

#include "resources/209.h"

namespace topodlg {
using namespace res209;
namespace {

constexpr int kIndexGroups[kIndexMapGroupCount] = {IDC_INDEX_GROUP1, IDC_INDEX_GROUP2, IDC_INDEX_GROUP3,
                                                   IDC_INDEX_GROUP4, IDC_INDEX_GROUP5};

// A flag the user flips: 1 becomes 0, anything else 1.
int Flipped(int flag) { return flag == 1 ? 0 : 1; }

}  // namespace

// A projection outside 0..2 checks none of the three.
CEnvMethodPage::CEnvMethodPage() : CDialog(kTemplateId) {
  BindRadio(m_work.whiteMapMethod, {{IDC_WHITE_MAP_DIALOG, 0}, {IDC_WHITE_MAP_INDEX, 1}}).Otherwise(IDC_WHITE_MAP_INDEX);
  BindRadio(m_work.projection, {{IDC_SANSON, 0}, {IDC_EQUIRECTANGULAR, 1}, {IDC_ALBERS, 2}});
  // Any text other than "off" counts as on, so the click makes it "off".
  BindToggle(m_work.rangeConfirmation, IDC_CONFIRM_RANGE, "on", "off").OthersTurnOff();
  BindToggle(m_work.confirmDistance, IDC_CONFIRM_DISTANCE);
  BindToggle(m_work.confirmProfile, IDC_CONFIRM_PROFILE);
  OnClicked(IDC_INDEX_ALL, [this] { OnIndexAll(); });
  for (int g = 0; g < kIndexMapGroupCount; ++g) OnClicked(kIndexGroups[g], [this, g] { OnIndexGroup(g); });
}

bool CEnvMethodPage::OnInitDialog() {
  CDialog::OnInitDialog();
  ShowIndexMap();
  return true;
}

void CEnvMethodPage::OnIndexAll() {
  m_work.indexMapAll = Flipped(m_work.indexMapAll);
  if (m_work.indexMapAll == 1) m_work.indexMapGroups.fill(0);
  ShowIndexMap();
}

void CEnvMethodPage::OnIndexGroup(int group) {
  m_work.indexMapGroups[group] = Flipped(m_work.indexMapGroups[group]);
  ShowIndexMap();
}

void CEnvMethodPage::ShowIndexMap() {
  NormaliseIndexMap(m_work.indexMapAll, m_work.indexMapGroups);
  const bool all = m_work.indexMapAll == 1;
  CheckDlgButton(IDC_INDEX_ALL, all);
  for (int g = 0; g < kIndexMapGroupCount; ++g) CheckDlgButton(kIndexGroups[g], !all && m_work.indexMapGroups[g] == 1);
}

}  // namespace topodlg
