// The contour settings dialog driven through topodlg's scripted user.
#include <gtest/gtest.h>

#include "tests/support/topodlg_run.h"

namespace topodlg::test {
namespace {

const std::vector<std::string> kArgs = {"call", "OnDlgContour", "10", "99", "5", "990", "0", "0", "0", "1", "2", "0", "103"};

TEST(ContourDialog, PresetRecountsAndOwnOkButtonReturnsOne) {
  RunResult r = RunCli(kArgs, "click 109\ndump\nclick 140\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "1 25 5 0 0 1 2 0 103\n");
  auto dumps = Events(r.log, "dump");
  ASSERT_EQ(dumps.size(), 1u);
  EXPECT_NE(dumps[0].find(R"({"id":103,"kind":"edit","text":"39")"), std::string::npos) << dumps[0];
}

}  // namespace
}  // namespace topodlg::test
