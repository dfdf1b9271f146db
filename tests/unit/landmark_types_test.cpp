#include <gtest/gtest.h>

#include <memory>

#include "dialogs/points/landmark_type_dlg.h"
#include "dialogs/points/landmark_types.h"
#include "platform/module_state.h"
#include "tests/support/cstring_testing.h"
#include "tests/support/dump_reader.h"
#include "tools/scripted/scripted_user.h"

namespace topodlg {
namespace {

TEST(LandmarkTypes, ColoursNamesAndFlagsAsTheHostPassesThem) {
  EXPECT_STREQ(LandmarkColourLabel(0), "赤");
  EXPECT_STREQ(LandmarkColourLabel(6), "深緑");
  EXPECT_STREQ(LandmarkColourLabel(11), "灰");
  EXPECT_STREQ(LandmarkColourLabel(12), "赤");
  EXPECT_STREQ(LandmarkColourLabel(-1), "赤");

  LandmarkTypeNames names = SplitLandmarkTypeNames("山|川||谷");
  EXPECT_EQ(names[0] + "," + names[1] + "," + names[2] + "," + names[3] + "," + names[4] + "," + names[11],
            CString("山,川,,谷,,"));
  names = SplitLandmarkTypeNames("1|2|3|4|5|6|7|8|9|10|11|12|13|");
  EXPECT_EQ(names[11], "12");

  LandmarkTypeFlags flags = ParseLandmarkTypeFlags("1a2");
  EXPECT_EQ(flags[0] * 100 + flags[1] * 10 + flags[2], 102);
  EXPECT_EQ(flags[3] + flags[11], 0);
  EXPECT_EQ(ParseLandmarkTypeFlags("0000000000019")[11], 1);  // the thirteenth character is not a type
}

class LandmarkTypeDialog : public ::testing::Test {
 protected:
  void TearDown() override { AfxGetModuleState().backend = nullptr; }
  int Run(CLandmarkTypeDlg& dlg, const std::string& script) {
    m_user = std::make_unique<ScriptedUser>(ParseScript(script));
    m_user->SetLog(&m_log.Log());
    m_log.SetUser(m_user.get());
    return dlg.DoModal();
  }
  std::unique_ptr<ScriptedUser> m_user;
  test::CapturedLog m_log;
};

TEST_F(LandmarkTypeDialog, ShowsTheNamesInTheirEditsAndTakesThemBackOnOk) {
  LandmarkTypeNames names = SplitLandmarkTypeNames("a|b|c|d|e|f|g|h|i|j|k|l|");
  CLandmarkTypeDlg dlg;
  dlg.SetTypeNames(names);
  // Types 9 and 10 sit in 1394 and 1395, type 12 in 1400.
  ASSERT_EQ(Run(dlg, test::U8(u8"type 1394 \"茶色\"\ntype 1400 \"\"\ndump\nclick 1\n")), IDOK);
  EXPECT_EQ(dlg.TypeNames()[8], "茶色");
  EXPECT_EQ(dlg.TypeNames()[11], "");
  EXPECT_EQ(dlg.TypeNames()[9], "j");
  const test::Dump dump = test::DumpAt(m_log.Text());
  for (auto [id, text] : {std::pair{1388, "a"}, {1396, "f"}, {1399, "k"}}) {
    EXPECT_EQ(dump.Control(id).Kind() + " " + dump.Control(id).Text(), std::string("edit ") + text) << id;
  }
  EXPECT_EQ(dump.Title(), test::U8(u8"  ランドマークの種類"));
}

TEST_F(LandmarkTypeDialog, CancelKeepsTheNamesThatWereSet) {
  CLandmarkTypeDlg dlg;
  dlg.SetTypeNames(SplitLandmarkTypeNames("a|b|"));
  ASSERT_EQ(Run(dlg, "type 1388 \"z\"\nescape\n"), IDCANCEL);
  EXPECT_EQ(dlg.TypeNames()[0], "a");
}

}  // namespace
}  // namespace topodlg
