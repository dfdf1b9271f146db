// The real widgets, worked with QTest, give a dialog the same actions as the
// scripted user: every sample call of the library is run both ways, with the
// same script, on copies of the sample data, and must give the same result.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gui/control_widgets.h"
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
    if (!m_readBack.empty()) {
      std::ifstream written(data / m_readBack, std::ios::binary);
      result += std::string(std::istreambuf_iterator<char>(written), {});
    }
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

  // A data file the call writes, compared along with the result.
  std::string m_readBack;
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

TEST_F(SameActions, SimpleComboBoxOfTheColourSchemesIsChosenTypedAndDoubleClickedAsScripted) {
  const std::vector<std::string> schemes{"OnDlgClSet", "1", "16711680", "16777215", "D:\\", "notepad"};
  // The typed name goes into the scheme index.
  m_readBack = "PlttFile.dat";
  ExpectSame(schemes, "select 1029 4\ntype 1029 \"山の配色\"\nclick 1111\nanswer ok\nselect 1029 4\nenter\n",
             "the new entry chosen in the list, a name typed and registered, Enter from the field");
  ExpectSame(schemes, "dblclick 1029 3\nclick 1122\nselect 1029 0\nclick 1\n", "a double click, then a click");
}

TEST_F(SameActions, SimpleComboBoxShowsTheItemsTheChoiceAndItsText) {
  QStringList items;
  int row = -2;
  QString text;
  Hooks().makeGraphicalBackend = [&]() -> std::unique_ptr<UiBackend> {
    auto backend = std::make_unique<QtBackend>();
    backend->SetShownHook([&](DialogView& view) {
      if (auto* combo = dynamic_cast<SimpleComboBox*>(view.WidgetFor(1029))) {
        for (int i = 0; i < combo->List().count(); ++i) items << combo->List().item(i)->text();
        if (combo->List().currentItem() && combo->List().currentItem()->isSelected()) row = combo->List().currentRow();
        text = combo->Field().text();
      }
      view.Dialog().EndDialog(IDCANCEL);
    });
    return backend;
  };
  Call({"OnDlgClSet", "2", "16711680", "16777215", "D:\\", "notepad"}, nullptr);
  EXPECT_EQ(items, QString::fromUtf16(u"標準|濃淡（緑）|寒色|地表（茶系）|新規登録").split('|'));
  EXPECT_EQ(row, 2);
  EXPECT_EQ(text, QString::fromUtf16(u"寒色"));
}

}  // namespace
}  // namespace topodlg::gui
