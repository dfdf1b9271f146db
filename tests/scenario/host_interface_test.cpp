// The public C interface as a host program uses it: choosing who answers the
// dialogs, the log, drives, clock, device contexts and the failure text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/module_state.h"
#include "tests/support/topodlg_run.h"
#include "topodlg/topodlg.h"

namespace topodlg::test {
namespace {

class HostInterface : public ::testing::Test {
 protected:
  void TearDown() override {
    TopoDlgUseNobody();
    TopoDlgSetNow(nullptr);
    TopoDlgMapDrive('D', nullptr);
  }
  TempDir dir;
};

TEST_F(HostInterface, OneScriptServesTheCallsInTurnAndLogsThem) {
  const std::string log = dir.str() + "/log.jsonl";
  ASSERT_EQ(TopoDlgUseScript("enter\nescape\n", log.c_str()), 0);
  EXPECT_EQ(OnDlgGraphicSize(100), 100);
  EXPECT_STREQ(TopoDlgLastError(), "");
  EXPECT_EQ(OnDlgGraphicSize(100), -1);  // the user cancelled: no failure
  EXPECT_STREQ(TopoDlgLastError(), "");
  std::ifstream in(log);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("\"event\""), std::string::npos) << text.str();

  // The script has run out: the call fails and says why; the next call that
  // finishes clears the failure.
  EXPECT_EQ(OnDlgGraphicSize(100), -1);
  EXPECT_STRNE(TopoDlgLastError(), "");
  TopoDlgUseNobody();
  EXPECT_EQ(OnDlgGraphicSize(100), -1);
  EXPECT_STREQ(TopoDlgLastError(), "");
}

TEST_F(HostInterface, RefusedChoicesSayWhyAndKeepThePreviousOne) {
  ASSERT_EQ(TopoDlgUseScript("enter\n", nullptr), 0);
  EXPECT_EQ(TopoDlgUseScript("enter\nfly away\n", nullptr), -1);
  EXPECT_NE(std::string(TopoDlgLastError()).find("2"), std::string::npos) << TopoDlgLastError();
  EXPECT_EQ(TopoDlgUseScript("enter\n", (dir.str() + "/no/such/folder/log").c_str()), -2);
  EXPECT_STRNE(TopoDlgLastError(), "");
  EXPECT_EQ(OnDlgGraphicSize(50), 50);  // the first script still answers
}

TEST_F(HostInterface, DrivesAndClockStayForTheCallsThatFollow) {
  EXPECT_EQ(TopoDlgMapDrive('d', dir.str().c_str()), 0);
  EXPECT_EQ(AfxGetModuleState().drives.Drives().at('D'), dir.str());
  EXPECT_EQ(TopoDlgMapDrive('D', ""), 0);
  EXPECT_EQ(AfxGetModuleState().drives.Drives().count('D'), 0u);
  EXPECT_EQ(TopoDlgMapDrive('Z', "/tmp"), 0);
  EXPECT_EQ(TopoDlgMapDrive('Z', nullptr), 0);
  EXPECT_EQ(AfxGetModuleState().drives.Drives().at('Z'), "/");
  EXPECT_EQ(TopoDlgMapDrive('1', "/tmp"), -1);
  EXPECT_EQ(TopoDlgMapDrive(0xC4, "/tmp"), -1);

  EXPECT_EQ(TopoDlgSetNow("2024-02-29 23:59:58"), 0);
  ASSERT_TRUE(AfxGetModuleState().now.has_value());
  EXPECT_EQ(AfxGetModuleState().now->tm_mday, 29);
  EXPECT_EQ(TopoDlgSetNow("yesterday"), -1);
  EXPECT_TRUE(AfxGetModuleState().now.has_value());
  EXPECT_EQ(TopoDlgSetNow(nullptr), 0);
  EXPECT_FALSE(AfxGetModuleState().now.has_value());
}

TEST_F(HostInterface, DeviceContextsStartEmpty) {
  TopoDlgDC* dc = TopoDlgDC_New();
  ASSERT_NE(dc, nullptr);
  EXPECT_STREQ(TopoDlgDC_Ops(dc), "[]");
  TopoDlgDC_Free(dc);
  TopoDlgDC_Free(nullptr);
  EXPECT_STREQ(TopoDlgDC_Ops(nullptr), "[]");
}

}  // namespace
}  // namespace topodlg::test
