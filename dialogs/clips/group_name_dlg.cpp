#include "dialogs/clips/group_name_dlg.h"

#include "resources/189.h"

namespace topodlg {
using namespace res189;
namespace {

// The edits of groups 1..5, in order.
constexpr int kNameEdits[kGroupNameCount] = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4, IDC_NAME5};

// Three leading blanks centre the longer titles, one the shorter.
constexpr const char* kTitles[] = {
    "   地図クリップのグループ名称", "   エリアのグループ名称",  "   トラックのグループ名称",
    "   線形のグループ名称",         " 距離方位板のグループ名称", " ガイドブックのグループ名称",
};

}  // namespace

CGroupNameDlg::CGroupNameDlg(GroupKind kind, const GroupNames& names)
    : CGroupNameDlg(static_cast<int>(kind), names) {}

CGroupNameDlg::CGroupNameDlg(int kind, const GroupNames& names)
    : CDialog(kTemplateId), m_kind(kind), m_names(names) {}

const char* CGroupNameDlg::TitleFor(int kind) {
  if (kind < 0 || kind >= static_cast<int>(std::size(kTitles))) return nullptr;
  return kTitles[kind];
}

bool CGroupNameDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (const char* title = TitleFor(m_kind)) SetWindowText(title);
  return true;
}

void CGroupNameDlg::DoDataExchange(CDataExchange* pDX) {
  for (int i = 0; i < kGroupNameCount; ++i) DDX_Text(pDX, kNameEdits[i], m_names[i]);
}

}  // namespace topodlg
