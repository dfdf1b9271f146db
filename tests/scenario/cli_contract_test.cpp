// The topodlg command's contract: listing, arguments, exit codes, script errors
// and output forms.
#include <gtest/gtest.h>

#include <sstream>

#include "frame/entry_table.h"
#include "platform/module_state.h"
#include "tests/support/topodlg_run.h"

namespace topodlg::test {
namespace {

const std::vector<std::string> kContour = {"call", "OnDlgContour", "10", "99", "5", "990", "0",
                                           "0",    "0",            "1",  "2",  "0",   "103"};

TEST(TopodlgCommand, ListNamesEveryEntryFunctionOnce) {
  RunResult r = RunProgram({"list"});
  ASSERT_EQ(r.exit, 0);
  std::istringstream lines(r.out);
  std::string line;
  int count = 0;
  bool contour = false;
  while (std::getline(lines, line)) {
    ++count;
    contour = contour || line.starts_with("OnDlgContour int int int int int int int int int int int -> str");
  }
  EXPECT_EQ(count, 46);
  EXPECT_TRUE(contour);
}

TEST(TopodlgCommand, UsageErrorsExitTwoWithOneLine) {
  const std::vector<std::vector<std::string>> cases = {
      {"call", "OnDlgContour", "1", "2"},                              // too few arguments
      {"call", "OnDlgNothing"},                                        // unknown entry
      {"call", "OnDlgContour", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "x1"},  // not an int
      {"call", "OnDlgContour", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "99999999999"},
      {"frobnicate"},
      {"call"},
      {"call", "OnDlgContour", "--unknown"},
      {"call", "OnDlgContour", "--now", "2026-13-01 00:00:00"},
      {"call", "OnDlgContour", "--drive", "DD"},
  };
  for (const auto& args : cases) {
    RunResult r = RunProgram(args, "escape\n");
    EXPECT_EQ(r.exit, 2) << args[args.size() - 1];
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST(TopodlgCommand, TextsWithoutACodePage932FormAreUsageErrors) {
  // An entry with a string argument; whether it is built or not, the argument
  // is refused first.
  RunResult r = RunProgram({"call", "OnDlgHgtS", "\xF0\x9F\x98\x80", "--script", "-"}, "escape\n");
  EXPECT_EQ(r.exit, 2);
  r = RunProgram({"call", "OnDlgHgtS", "\xFF\xFE", "--script", "-"}, "escape\n");
  EXPECT_EQ(r.exit, 2);
}

TEST(TopodlgCommand, NegativeNumbersAndDashesAreArguments) {
  std::vector<std::string> args = kContour;
  args[2] = "-1";
  args.push_back("--script");
  args.push_back("-");
  RunResult r = RunProgram(args, "click 140\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "1 -1 5 0 0 1 2 0 103\n");
}

TEST(EntryTable, EveryBuiltRowNamesAndDescribesEachArgument) {
  EXPECT_EQ(EntryFunctions().size(), 46u);
  for (const EntryInfo& e : EntryFunctions()) {
    const size_t count = std::string_view(e.args).size();
    for (size_t i = 0; i < count; ++i) {
      ASSERT_NE(e.argInfo[i].name, nullptr) << e.name << " argument " << i + 1;
      if (e.invoke) {
        EXPECT_STRNE(e.argInfo[i].description, "") << e.name << " argument " << i + 1;
      }
    }
    EXPECT_EQ(e.argInfo[count].name, nullptr) << e.name << " describes more arguments than it takes";
  }
}

TEST(TopodlgCommand, EntryFunctionsNotBuiltSaySoAndExitOne) {
  for (const EntryInfo& e : EntryFunctions()) {
    if (e.invoke) continue;
    std::vector<std::string> args = {"call", e.name};
    for (const char* k = e.args; *k; ++k) {
      if (*k != 'd') args.push_back(*k == 's' ? "x" : "1");
    }
    args.push_back("--script");
    args.push_back("-");
    RunResult r = RunCli(args);
    EXPECT_EQ(r.exit, 1) << e.name;
    EXPECT_NE(r.err.find("not built yet"), std::string::npos);
    return;  // one is enough
  }
  GTEST_SKIP() << "every entry function is built";
}

TEST(TopodlgCommand, ScriptErrorsExitThreeNamingTheLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"jump 1\n", "script line 1: unknown action"},
      {"\n# comment\nclick 999\n", "script line 3: no control 999"},
      {"type 103 \"5\"\n", "script line 1:"},   // read-only edit
      {"select 102 1\n", "script line 1:"},     // an edit has no items
      {"select 1401 11\n", "script line 1:"},   // no such item
      {"dblclick 1401 1\n", "script line 1:"},  // a drop-down list is not double-clicked
      {"answer ok\n", "script line 1:"},        // no message box
      {"click 109\n", "ended while dialog 140"},
      {"type 105 \"x\"\nenter\nclick 2\n", "script line 3:"},  // the message box wants an answer
      {"click \"unterminated\n", "script line 1:"},
      {"type 102 \"\xE9\x9B\x84\xF0\x9F\x98\x80\"\n", "script line 1:"},
      {"click 1\xFF\n", "script line 1:"},
  };
  for (const auto& [script, expected] : cases) {
    RunResult r = RunCli(kContour, script);
    EXPECT_EQ(r.exit, 3) << script;
    // The entry function's guard gave the caller its module state back.
    EXPECT_FALSE(AfxInLibraryState());
    EXPECT_EQ(AfxGetModuleState().backend, nullptr);
    EXPECT_NE(r.err.find(expected), std::string::npos) << script << " -> " << r.err;
  }
}

TEST(TopodlgCommand, RawPrintsCodePage932Bytes) {
  // The contour result is ASCII, so raw and converted output agree.
  std::vector<std::string> args = kContour;
  args.insert(args.end(), {"--raw", "--script", "-"});
  RunResult r = RunProgram(args, "click 140\n");
  EXPECT_EQ(r.out, "1 10 5 0 0 1 2 0 103\n");
}

TEST(TopodlgCommand, LogGoesToTheNamedFile) {
  TempDir dir;
  std::vector<std::string> args = kContour;
  args.insert(args.end(), {"--log", (dir.path() / "log.jsonl").string(), "--script", "-"});
  RunResult r = RunProgram(args, "escape\n");
  EXPECT_EQ(r.err, "");
  const std::string log = dir.Read("log.jsonl");
  EXPECT_EQ(log.substr(0, log.find('\n')), U8(u8R"({"event":"open","dialog":140,"title":"    等高線の設定"})"));
}

}  // namespace
}  // namespace topodlg::test
