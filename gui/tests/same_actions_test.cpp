// The real widgets, worked with QTest, give a dialog the same actions as the
// scripted user: every sample call of the library is run both ways, with the
// same script, on copies of the sample data, and must give the same result.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gui/dialog_view.h"
#include "gui/qt_backend.h"
#include "gui/sample_calls.h"
#include "gui/tests/qtest_person.h"
#include "tools/scripted/cli.h"

namespace topodlg::gui {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(TOPODLG_SOURCE_DIR) / "examples";

std::string ReadAll(std::FILE* file) {
  std::rewind(file);
  std::string text;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  return text;
}

class SameActions : public ::testing::Test {
 protected:
  void TearDown() override { Hooks().makeGraphicalBackend = nullptr; }

  // Runs topodlg on a fresh copy of the sample data; returns its output.
  std::string Call(const std::vector<std::string>& words, const std::string* scriptFile) {
    // Tests may run side by side: every run has a folder of its own.
    QTemporaryDir folder;
    fs::path data = fs::path(folder.path().toStdString()) / "data";
    fs::copy(kExamples / "data", data, fs::copy_options::recursive);
    std::vector<std::string> args{"call"};
    args.insert(args.end(), words.begin(), words.end());
    args.insert(args.end(), {"--drive", "D=" + data.string(), "--now", "2024-05-01 10:00:00", "--log", "/dev/null"});
    if (scriptFile) args.insert(args.end(), {"--script", *scriptFile});
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    int exit = RunTopodlg(args, out, err);
    std::string result = ReadAll(out) + (exit == 0 ? "" : "exit " + std::to_string(exit) + ": " + ReadAll(err));
    std::fclose(out);
    std::fclose(err);
    return result;
  }

  std::string ByScript(const std::vector<std::string>& words, const std::string& script) {
    QTemporaryDir folder;
    std::string scriptFile = folder.filePath(QStringLiteral("script.txt")).toStdString();
    std::ofstream(scriptFile) << script;
    return Call(words, &scriptFile);
  }

  std::string ByPerson(const std::vector<std::string>& words, const std::string& script) {
    QTestPerson person(ParseScript(script));
    Hooks().makeGraphicalBackend = [&person]() -> std::unique_ptr<UiBackend> {
      auto backend = std::make_unique<QtBackend>();
      backend->SetShownHook([&person](DialogView& view) { person.Work(view); });
      return backend;
    };
    std::string result = Call(words, nullptr);
    EXPECT_EQ(person.Error(), "");
    EXPECT_TRUE(person.Finished());
    return result;
  }

  void ExpectSame(const std::vector<std::string>& words, const std::string& script, const std::string& title) {
    SCOPED_TRACE(title);
    std::string scripted = ByScript(words, script);
    EXPECT_EQ(ByPerson(words, script), scripted);
  }
};

TEST_F(SameActions, EverySampleCallGivesTheScriptedResult) {
  std::vector<SampleCall> calls = ReadSampleCalls(kExamples);
  ASSERT_FALSE(calls.empty());
  for (const SampleCall& call : calls) {
    std::ifstream script(kExamples / "scripts" / call.scriptFile);
    std::stringstream text;
    text << script.rdbuf();
    ExpectSame(call.words, text.str(), call.title);
  }
}

TEST_F(SameActions, KeysAndTheCloseBoxEndTheContourDialogAsScripted) {
  const std::vector<std::string> contour{"OnDlgContour", "10", "99", "5", "990", "0", "0", "0", "1", "2", "0", "103"};
  // Enter in an edit is the framework's OK: the first field stays 0.
  ExpectSame(contour, "type 105 \"7\"\nclick 125\nselect 1401 3\nclick 1201\nclick 121\ntype 102 \"50\"\nenter\n",
             "typing, steps, a combo box, a check box, a radio button, Enter");
  ExpectSame(contour, "click 1045\nselect 1002 5\nclick 140\n", "own OK button");
  ExpectSame(contour, "click 110\nescape\n", "Escape");
  ExpectSame(contour, "click 1200\nclose\n", "close box");
}

}  // namespace
}  // namespace topodlg::gui
