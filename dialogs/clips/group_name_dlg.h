// The group name dialog (189): edits the five display names of the groups of
// one kind of grouped data. The environment settings open it for each kind.
//
// Use:
//     CGroupNameDlg dlg(GroupKind::Track, {name0, name1, name2, name3, name4});
//     if (dlg.DoModal() == IDOK) names = dlg.Names();
//
// The title says which kind's groups are named; the five edits start with the
// given names, and on OK (only then) Names() holds the texts as the user left
// them. Cancel leaves Names() as given.
#pragma once

#include <array>

#include "platform/dialog.h"

namespace topodlg {

// The six kinds of grouped data, with the numbers the callers pass.
enum class GroupKind : int { MapClip = 0, Area = 1, Track = 2, Line = 3, DistanceBoard = 4, GuideBook = 5 };

constexpr int kGroupNameCount = 5;
using GroupNames = std::array<CString, kGroupNameCount>;

class CGroupNameDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 189;

  CGroupNameDlg(GroupKind kind, const GroupNames& names);
  // The kind as a number 0..5; any other number keeps the template's title
  // (that of map clips).
  CGroupNameDlg(int kind, const GroupNames& names);

  const GroupNames& Names() const { return m_names; }
  int Kind() const { return m_kind; }

  // The title shown for a kind number; nullptr outside 0..5.
  static const char* TitleFor(int kind);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  int m_kind = 0;
  GroupNames m_names;
};

}  // namespace topodlg
