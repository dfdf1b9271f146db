// Control names: templates define them, the build turns them into the headers
// the dialogs include, and the framework refuses an identifier that a dialog's
// template does not have.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/dialog.h"
#include "platform/module_state.h"
#include "platform/ui_backend.h"
#include "resources/186.h"
#include "tests/support/topodlg_run.h"
#include "tools/scripted/scripted_user.h"

namespace topodlg {
namespace {

TEST(ControlNames, ControlsAndInitialItemsUseTheDefinedNames) {
  auto t = ParseDialogTemplate(R"(// names first
#define IDC_LIST   0x10
#define IDC_GO     20
9100 DIALOGEX 0, 0, 100, 50
BEGIN
    COMBOBOX IDC_LIST, 1, 1, 40, 40, CBS_DROPDOWNLIST
    PUSHBUTTON "go", IDC_GO, 1, 20, 20, 12
    PUSHBUTTON "x", 21, 30, 20, 20, 12
    LTEXT "t", IDC_STATIC, 1, 35, 20, 8
    PUSHBUTTON "OK", IDOK, 50, 20, 20, 12
END
9100 DLGINIT
BEGIN
    IDC_LIST, "a"
END
)");
  ASSERT_TRUE(t);
  ASSERT_EQ(t->controls.size(), 5u);
  EXPECT_EQ(t->controls[0].id, 16);
  EXPECT_EQ(t->controls[1].id, 20);
  EXPECT_EQ(t->controls[2].id, 21);  // numbers still do
  EXPECT_EQ(t->controls[3].id, -1);
  EXPECT_EQ(t->controls[4].id, 1);
  ASSERT_EQ(t->initItems.size(), 1u);
  EXPECT_EQ(t->initItems[0].first, 16);
  const std::vector<std::pair<std::string, int>> names = {{"IDC_LIST", 16}, {"IDC_GO", 20}};
  EXPECT_EQ(t->names, names);
}

// Each mistake names its line, and the first definition where there is one.
TEST(ControlNames, MistakesInNamesAreErrorsWithTheirLine) {
  const std::string dialog = "9100 DIALOGEX 0, 0, 100, 50\nBEGIN\n    PUSHBUTTON \"a\", IDC_A, 1, 1, 9, 9\nEND\n";
  const struct {
    std::string script;
    const char* error;
  } cases[] = {
      {"#define IDC_B 5\n" + dialog, "line 4: IDC_A is not defined"},
      {"#define IDC_A 5\n#define IDC_A 6\n" + dialog, "line 2: IDC_A is defined twice (first on line 1)"},
      {"#define IDC_A 5\n#define IDC_B 5\n" + dialog, "line 2: IDC_B and IDC_A (line 1) have the same number 5"},
      {"#define IDC_A 0\n" + dialog, "line 1: IDC_A: a control identifier is 1 to 65535, not 0"},
      {"#define IDC_A 70000\n" + dialog, "line 1: IDC_A: a control identifier is 1 to 65535, not 70000"},
      {"#define IDC_A\n" + dialog, "line 1: a definition is: #define NAME NUMBER"},
      {"#define IDC_A 5 6\n" + dialog, "line 1: a definition is: #define NAME NUMBER"},
      {"#define IDC_A five\n" + dialog, "line 1: a number is expected: five"},
      {"#define IDOK 5\n" + dialog, "line 1: IDOK is predefined"},
      {"9100 DIALOGEX 0, 0, 100, 50\nBEGIN\nEND\n#define IDC_A 5\n", "line 4: names are defined before DIALOGEX"},
      {"#define IDC_A 5\n" + dialog + "9100 DLGINIT\nBEGIN\n    IDC_X, \"a\"\nEND\n", "line 8: IDC_X is not defined"},
  };
  for (const auto& c : cases) {
    CString error;
    EXPECT_FALSE(ParseDialogTemplate(c.script, &error)) << c.script;
    EXPECT_EQ(error.Left(static_cast<int>(std::strlen(c.error))).str(), c.error);
  }
}

// The generated header and the template built into the library agree.
TEST(ControlNames, GeneratedHeaderMatchesTheBuiltInTemplate) {
  const DialogTemplate* lowland = FindDialogTemplate(186);
  ASSERT_NE(lowland, nullptr);
  ASSERT_NE(lowland->Find(res186::IDC_UPPER), nullptr);
  EXPECT_EQ(lowland->Find(res186::IDC_UPPER)->kind, ControlKind::Edit);
  EXPECT_EQ(lowland->Find(res186::IDC_UPPER_DOWN)->text, CString("▽"));
  static_assert(res186::IDC_COLOUR == 1274 && res186::IDC_UPPER_DOWN == 1091);
}

const char* kNamedTemplate = R"(#define IDC_EDIT   10
#define IDC_RADIO  20
#define IDC_OTHER  21
9101 DIALOGEX 0, 0, 100, 60
CAPTION "named"
BEGIN
    EDITTEXT IDC_EDIT, 5, 5, 40, 12
    AUTORADIOBUTTON "a", IDC_RADIO, 5, 20, 20, 10, WS_GROUP
    AUTORADIOBUTTON "b", IDC_OTHER, 30, 20, 20, 10
    PUSHBUTTON "Cancel", IDCANCEL, 5, 40, 30, 12
END
)";

class ProbeDlg : public CDialog {
 public:
  ProbeDlg() : CDialog(9101) {}
  using CDialog::OnClicked;
};

// A backend that only notes what the framework reports.
class RecordingBackend : public UiBackend {
 public:
  void RunModalLoop(CDialog& dialog) override {
    if (m_duringLoop) m_duringLoop(dialog);
    dialog.EndDialog(IDCANCEL);
  }
  int MessageBox(const CString&, unsigned) override { return IDOK; }
  std::optional<CString> FileDialog(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<COLORREF> ColorDialog(COLORREF) override { return std::nullopt; }
  void UnknownControl(const CDialog& dialog, int id) override {
    m_unknown.push_back(std::to_string(dialog.TemplateId()) + ":" + std::to_string(id));
  }
  std::function<void(CDialog&)> m_duringLoop;
  std::vector<std::string> m_unknown;
};

class UnknownControls : public ::testing::Test {
 protected:
  void SetUp() override {
    auto parsed = ParseDialogTemplate(kNamedTemplate);
    ASSERT_TRUE(parsed);
    AfxGetModuleState().addedTemplates[9101] = *parsed;
  }
  void TearDown() override {
    AfxGetModuleState().addedTemplates.clear();
    AfxGetModuleState().backend = nullptr;
  }
};

TEST_F(UnknownControls, TheBackendHearsOfEveryUnknownIdentifier) {
#ifndef NDEBUG
  GTEST_SKIP() << "a debug build stops at the first unknown identifier";
#endif
  RecordingBackend backend;
  AfxGetModuleState().backend = &backend;
  ProbeDlg dlg;
  dlg.OnClicked(77, [] {});  // refused when the dialog is created
  backend.m_duringLoop = [](CDialog& d) {
    EXPECT_EQ(d.GetDlgItem(10)->Kind(), ControlKind::Edit);
    d.SetDlgItemText(11, "lost");  // a detached stand-in takes it
    EXPECT_EQ(d.GetDlgItem(11)->GetDlgCtrlID(), 11);
    d.CheckRadioButton(20, 22, 0);
    d.CheckRadioButton(20, 21, 0);  // 0 checks none: not an identifier
  };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  const std::vector<std::string> expected = {"9101:77", "9101:11", "9101:11", "9101:22"};
  EXPECT_EQ(backend.m_unknown, expected);
}

TEST_F(UnknownControls, TheScriptedUserFailsTheScriptNamingDialogAndIdentifier) {
  ScriptedUser user(ParseScript("click 20\nescape\n"));
  AfxGetModuleState().backend = &user;
  ProbeDlg dlg;
  dlg.OnClicked(20, [&dlg] { dlg.GetDlgItem(12); });
  try {
    dlg.DoModal();
    FAIL() << "no script error";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Message(), "script line 1: the library asked dialog 9101 for control 12, which its template does not have");
  }
}

TEST_F(UnknownControls, DebugBuildsStopWhenNoBackendReportsIt) {
  ProbeDlg dlg;
  EXPECT_DEBUG_DEATH(dlg.GetDlgItem(13), "dialog 9101 has no control 13");
}

// Through topodlg: the lowland dialog with a template that lacks its "▽"
// button ends the call with a script error.
TEST(UnknownControlsThroughTopodlg, AreScriptErrors) {
  std::ifstream in(std::string(TOPODLG_SOURCE_DIR) + "/resources/186.rc");
  std::ostringstream text;
  text << in.rdbuf();
  std::string script = text.str();
  const size_t at = script.find(test::U8(u8"PUSHBUTTON      \"▽\", IDC_UPPER_DOWN"));
  ASSERT_NE(at, std::string::npos);
  script.erase(at, script.find('\n', at) - at);
  auto broken = ParseDialogTemplate(script);
  ASSERT_TRUE(broken);
  AfxGetModuleState().addedTemplates[186] = *broken;
  const test::RunResult r = test::RunCli({"call", "OnDlgLowland", "500 100 1 10"}, "escape\n");
  AfxGetModuleState().addedTemplates.clear();
  EXPECT_EQ(r.exit, 3);
  EXPECT_NE(r.err.find("dialog 186 for control 1091"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace topodlg
