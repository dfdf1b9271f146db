// The tests' log reader: controls found on tab pages and inside painted
// controls, and a missing control or field failing the test that asked for it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

// A painted control's drawing holds objects and arrays; a text holds "}" and an
// escaped quote; two pages share an identifier; a line on standard error is
// not an event.
const std::string kLog =
    R"({"event":"open","dialog":200,"title":"t"})" "\n"
    "script line 3: a message\n"
    R"({"event":"dump","dialog":200,"title":"t","focus":null,"controls":[)"
    R"({"id":1100,"kind":"button","text":"","enabled":true,"visible":true,)"
    R"("drawing":[{"op":"rect","rect":[0,0,4,4],"color":"#000000","width":1,"fill":"#ff0000","hatch":null}]},)"
    R"({"id":102,"kind":"edit","text":"a}\"b","enabled":true,"visible":true}],"pages":[)"
    R"({"dialog":207,"visible":false,"controls":[{"id":5,"kind":"check","text":"x","enabled":true,"visible":true,"checked":1}]},)"
    R"({"dialog":208,"visible":true,"controls":[{"id":5,"kind":"check","text":"y","enabled":true,"visible":true,"checked":0}]}]})"
    "\n"
    R"({"event":"messagebox","text":"m","buttons":"ok","icon":"none","answer":"ok"})" "\n";

TEST(DumpReader, FindsControlsOnPagesAndInsidePaintedControls) {
  const Dump d = DumpAt(kLog);
  EXPECT_EQ(d.Dialog(), 200);
  EXPECT_EQ(d.Focus(), 0);
  EXPECT_EQ(d.Control(102).Text(), "a}\"b");
  const std::vector<JsonValue> ops = d.Control(1100).Drawing();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0]["rect"].Ints(), std::vector<int>({0, 0, 4, 4}));
  EXPECT_TRUE(ops[0]["hatch"].IsNull());
  // A page by its number; without one, the visible page's control.
  EXPECT_EQ(d.Page(207).Control(5).Checked(), 1);
  EXPECT_EQ(d.Control(5).Text(), "y");
  EXPECT_EQ(Events(kLog).size(), 3u);
  EXPECT_EQ(Events(kLog, "messagebox").at(0)["answer"].Str(), "ok");
  EXPECT_EQ(Events(kLog, "open").at(0).Line(), R"({"event":"open","dialog":200,"title":"t"})");
}

TEST(DumpReader, WhatIsMissingFailsTheTestAndSaysWhere) {
  EXPECT_NONFATAL_FAILURE(DumpAt(kLog).Control(999).Text(), "dump of dialog 200 (log line 3) has no control 999");
  EXPECT_NONFATAL_FAILURE(DumpAt(kLog).Control(102).Checked(), "control 102 > checked is missing");
  EXPECT_NONFATAL_FAILURE(DumpAt(kLog).Control(102).Items(), "control 102 > items is missing");
  EXPECT_NONFATAL_FAILURE(DumpAt(kLog).Page(209), "has no page 209");
  EXPECT_NONFATAL_FAILURE(DumpAt(kLog, 1), "the log has 1 dumps");
  EXPECT_NONFATAL_FAILURE(DumpAt(kLog).Control(102)["text"].Int(), "control 102 > text is \"a}\\\"b\", not an integer");
  EXPECT_NONFATAL_FAILURE(Events("{\"event\":\"open\",\n"), "log line 1 is not a JSON object");
}

}  // namespace
}  // namespace topodlg::test
