#include "dialogs/settings/env_method_page.h"

#include "resources/209.h"

namespace topodlg {
using namespace res209;
namespace {

constexpr int kProjections[] = {IDC_SANSON, IDC_EQUIRECTANGULAR, IDC_ALBERS};
constexpr int kIndexGroups[kIndexMapGroupCount] = {IDC_INDEX_GROUP1, IDC_INDEX_GROUP2, IDC_INDEX_GROUP3,
                                                   IDC_INDEX_GROUP4, IDC_INDEX_GROUP5};

// A flag the user flips: 1 becomes 0, anything else 1.
int Flipped(int flag) { return flag == 1 ? 0 : 1; }

}  // namespace

CEnvMethodPage::CEnvMethodPage() : CDialog(kTemplateId) {
  OnClicked(IDC_WHITE_MAP_DIALOG, [this] { m_work.whiteMapMethod = 0; });
  OnClicked(IDC_WHITE_MAP_INDEX, [this] { m_work.whiteMapMethod = 1; });
  for (int p = 0; p < 3; ++p) OnClicked(kProjections[p], [this, p] { m_work.projection = p; });
  // Any text other than "off" counts as on, so the click makes it "off".
  OnClicked(IDC_CONFIRM_RANGE, [this] {
    m_work.rangeConfirmation = m_work.rangeConfirmation == "off" ? "on" : "off";
    CheckDlgButton(IDC_CONFIRM_RANGE, m_work.rangeConfirmation == "on");
  });
  OnClicked(IDC_CONFIRM_DISTANCE, [this] {
    m_work.confirmDistance = Flipped(m_work.confirmDistance);
    CheckDlgButton(IDC_CONFIRM_DISTANCE, m_work.confirmDistance == 1);
  });
  OnClicked(IDC_CONFIRM_PROFILE, [this] {
    m_work.confirmProfile = Flipped(m_work.confirmProfile);
    CheckDlgButton(IDC_CONFIRM_PROFILE, m_work.confirmProfile == 1);
  });
  OnClicked(IDC_INDEX_ALL, [this] { OnIndexAll(); });
  for (int g = 0; g < kIndexMapGroupCount; ++g) OnClicked(kIndexGroups[g], [this, g] { OnIndexGroup(g); });
}

// A projection outside 0..2 checks none of the three.
bool CEnvMethodPage::OnInitDialog() {
  CDialog::OnInitDialog();
  const EnvSettings& w = m_work;
  CheckRadioButton(IDC_WHITE_MAP_DIALOG, IDC_WHITE_MAP_INDEX,
                   w.whiteMapMethod != 0 ? IDC_WHITE_MAP_INDEX : IDC_WHITE_MAP_DIALOG);
  for (int p = 0; p < 3; ++p) CheckDlgButton(kProjections[p], w.projection == p);
  CheckDlgButton(IDC_CONFIRM_RANGE, w.rangeConfirmation == "on");
  CheckDlgButton(IDC_CONFIRM_DISTANCE, w.confirmDistance == 1);
  CheckDlgButton(IDC_CONFIRM_PROFILE, w.confirmProfile == 1);
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
