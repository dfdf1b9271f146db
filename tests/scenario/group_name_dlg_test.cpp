// The group name dialog as its callers use it: constructed with a kind and five
// names, run modally (here under the scripted user), names taken back on OK.
#include <gtest/gtest.h>

#include <memory>

#include "dialogs/clips/group_name_dlg.h"
#include "platform/module_state.h"
#include "tests/support/cstring_testing.h"
#include "tests/support/dump_reader.h"
#include "tools/scripted/scripted_user.h"

namespace topodlg {
namespace {

class GroupNameDialog : public ::testing::Test {
 protected:
  void TearDown() override { AfxGetModuleState().backend = nullptr; }
  int Run(CGroupNameDlg& dlg, const std::string& script) {
    m_user = std::make_unique<ScriptedUser>(ParseScript(script));
    m_user->SetLog(&m_log.Log());
    m_log.SetUser(m_user.get());
    return dlg.DoModal();
  }
  std::string Log() const { return m_log.Text(); }
  const GroupNames kNames = {"山", "海", "", "d", "e"};
  std::unique_ptr<ScriptedUser> m_user;
  test::CapturedLog m_log;
};

TEST_F(GroupNameDialog, ShowsTheNamesAndGivesTheEditedOnesOnOk) {
  CGroupNameDlg dlg(GroupKind::MapClip, kNames);
  EXPECT_EQ(Run(dlg, test::U8(u8"dump\ntype 1328 \"川\"\ntype 1330 \"\"\nenter\n")), IDOK);
  const test::Dump dump = test::DumpAt(Log());
  EXPECT_EQ(
      dump.Control(1326).Text() + dump.Control(1327).Text() + dump.Control(1328).Text() + dump.Control(1330).Text(),
      test::U8(u8"山海e"));
  EXPECT_EQ(dlg.Names()[2], "川");
  EXPECT_EQ(dlg.Names()[4], "");
  EXPECT_EQ(dlg.Names()[0], "山");
  EXPECT_EQ(test::Events(Log(), "open").at(0).Line(),
            test::U8(u8R"({"event":"open","dialog":189,"title":"   地図クリップのグループ名称"})"));
}

TEST_F(GroupNameDialog, CancelKeepsTheNamesGiven) {
  CGroupNameDlg dlg(2, kNames);
  EXPECT_EQ(Run(dlg, "type 1326 x\nescape\n"), IDCANCEL);
  EXPECT_EQ(dlg.Names(), kNames);
}

TEST_F(GroupNameDialog, EachKindHasItsTitle) {
  const char* expected[] = {"   地図クリップのグループ名称", "   エリアのグループ名称",
                            "   トラックのグループ名称",     "   線形のグループ名称",
                            " 距離方位板のグループ名称",     " ガイドブックのグループ名称"};
  for (int kind = 0; kind <= 6; ++kind) {
    CGroupNameDlg dlg(kind, kNames);
    Run(dlg, "escape\n");
    EXPECT_EQ(dlg.GetWindowText(), kind < 6 ? expected[kind] : "   地図クリップのグループ名称") << kind;
  }
  EXPECT_EQ(CGroupNameDlg::TitleFor(-1), nullptr);
  EXPECT_EQ(CGroupNameDlg(GroupKind::GuideBook, kNames).Kind(), 5);
}

}  // namespace
}  // namespace topodlg
