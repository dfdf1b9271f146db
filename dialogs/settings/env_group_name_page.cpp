#include "dialogs/settings/env_group_name_page.h"

#include "dialogs/clips/group_name_dlg.h"
#include "dialogs/points/landmark_type_dlg.h"
#include "resources/211.h"

namespace topodlg {
using namespace res211;
namespace {

// The button of each kind, in kind order (the group name dialog's kind numbers).
constexpr int kKindButtons[kGroupKindCount] = {IDC_MAP_CLIP_GROUPS, IDC_AREA_GROUPS,
                                               IDC_TRACK_GROUPS,    IDC_LINE_GROUPS,
                                               IDC_DISTANCE_BOARD_GROUPS, IDC_GUIDE_BOOK_GROUPS};

static_assert(kGroupsPerKind == kGroupNameCount, "the group name dialog edits one kind's names");

}  // namespace

CEnvGroupNamePage::CEnvGroupNamePage() : CDialog(kTemplateId) {
  for (int kind = 0; kind < kGroupKindCount; ++kind) OnClicked(kKindButtons[kind], [this, kind] { OnGroupNames(kind); });
  OnClicked(IDC_LANDMARK_TYPES, [this] { OnLandmarkTypes(); });
}

void CEnvGroupNamePage::OnGroupNames(int kind) {
  CGroupNameDlg dlg(kind, m_work.groupNames[kind]);
  if (dlg.DoModal() == IDOK) m_work.groupNames[kind] = dlg.Names();
}

void CEnvGroupNamePage::OnLandmarkTypes() {
  CLandmarkTypeDlg dlg;
  dlg.SetTypeNames(m_work.landmarkTypeNames);
  if (dlg.DoModal() == IDOK) m_work.landmarkTypeNames = dlg.TypeNames();
}

}  // namespace topodlg
