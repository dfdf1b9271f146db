// Spin, radio and toggle bindings, worked by the scripted user on a dialog that
// exists only for these tests.
#include <gtest/gtest.h>

#include <climits>

#include "platform/dialog.h"
#include "platform/module_state.h"
#include "tools/scripted/scripted_user.h"

namespace topodlg {
namespace {

const char* kTemplate = R"(9110 DIALOGEX 0, 0, 200, 100
CAPTION "bound"
BEGIN
    EDITTEXT 10, 5, 5, 40, 12
    PUSHBUTTON "up", 11, 50, 5, 20, 12
    PUSHBUTTON "down", 12, 75, 5, 20, 12
    EDITTEXT 13, 5, 20, 40, 12
    AUTORADIOBUTTON "a", 20, 5, 40, 20, 10, WS_GROUP
    AUTORADIOBUTTON "b", 21, 30, 40, 20, 10
    AUTORADIOBUTTON "c", 22, 55, 40, 20, 10
    AUTOCHECKBOX "k", 30, 5, 55, 20, 10, WS_GROUP
    AUTOCHECKBOX "s", 31, 30, 55, 20, 10
    PUSHBUTTON "Cancel", IDCANCEL, 5, 80, 30, 12
END
)";

// The test says in its constructor what the dialog binds.
class BoundDlg : public CDialog {
 public:
  explicit BoundDlg(const std::function<void(BoundDlg&)>& bind) : CDialog(9110) { bind(*this); }
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 10, m_value); }

  int m_value = 0;
  float m_ratio = 0;
  int m_choice = 0;
  CString m_word;
  int m_flag = 0;
  CString m_switch;
};

class Bindings : public ::testing::Test {
 protected:
  void SetUp() override {
    auto parsed = ParseDialogTemplate(kTemplate);
    ASSERT_TRUE(parsed);
    AfxGetModuleState().addedTemplates[9110] = *parsed;
  }
  void TearDown() override {
    AfxGetModuleState().addedTemplates.clear();
    AfxGetModuleState().backend = nullptr;
  }
  // Works the dialog with `actions` (one per line), then cancels it.
  void Run(BoundDlg& dlg, const std::string& actions) {
    ScriptedUser user(ParseScript(actions + "escape\n"));
    AfxGetModuleState().backend = &user;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    AfxGetModuleState().backend = nullptr;
  }
  static std::string Text(BoundDlg& dlg, int id) { return dlg.GetDlgItemText(id).str(); }
  static std::string Repeat(const std::string& action, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += action + "\n";
    return s;
  }
};

// Each bound stops the steps towards it; a value beyond a bound (as a host may
// pass it) still moves the other way, and the way up lands on the upper bound.
TEST_F(Bindings, SpinStepsStopAtTheBoundAheadAndRefillTheControls) {
  BoundDlg dlg([](BoundDlg& d) { d.BindSpin(d.m_value, 11, 12).Step(5).Min(5).Max(20); });
  dlg.m_value = 7;
  Run(dlg, Repeat("click 11", 3));
  EXPECT_EQ(dlg.m_value, 20);
  EXPECT_EQ(Text(dlg, 10), "20");
  Run(dlg, Repeat("click 12", 4));
  EXPECT_EQ(dlg.m_value, 5);
  EXPECT_EQ(Text(dlg, 10), "5");

  dlg.m_value = 50;
  Run(dlg, "click 12\n");
  EXPECT_EQ(dlg.m_value, 45);
  Run(dlg, "click 11\n");
  EXPECT_EQ(dlg.m_value, 20);
}

TEST_F(Bindings, SpinStepsSaturateAtTheEndsOfTheIntRange) {
  BoundDlg dlg([](BoundDlg& d) { d.BindSpin(d.m_value, 11, 12).Step(100); });
  dlg.m_value = INT_MAX - 1;
  Run(dlg, "click 11\n");
  EXPECT_EQ(dlg.m_value, INT_MAX);
  dlg.m_value = INT_MIN + 1;
  Run(dlg, "click 12\n");
  EXPECT_EQ(dlg.m_value, INT_MIN);
}

// A ladder 80, 90, 100, 200: each button has its own rule at the 100 rung.
TEST_F(Bindings, SpinRulesOfTheValueGoWithTheirButton) {
  BoundDlg dlg([](BoundDlg& d) {
    d.BindSpin(d.m_value, 11, 12).Step([](int v) { return v < 100 ? 10 : 100; }, [](int v) {
      return v <= 100 ? 10 : 100;
    });
  });
  dlg.m_value = 90;
  Run(dlg, "click 11\n");
  EXPECT_EQ(dlg.m_value, 100);
  Run(dlg, "click 11\n");
  EXPECT_EQ(dlg.m_value, 200);
  Run(dlg, "click 12\nclick 12\n");
  EXPECT_EQ(dlg.m_value, 90);
}

TEST_F(Bindings, SpinsStepOnlyWhenEnabledAndThenReplacesTheRefill) {
  bool enabled = false;
  int after = 0;
  BoundDlg dlg([&](BoundDlg& d) {
    d.BindSpin(d.m_value, 11, 12).When([&] { return enabled; }).Then([&] { ++after; });
  });
  dlg.m_value = 3;
  Run(dlg, "click 11\n");
  EXPECT_EQ(dlg.m_value, 3);
  EXPECT_EQ(after, 0);
  enabled = true;
  Run(dlg, "click 11\nclick 11\n");
  EXPECT_EQ(dlg.m_value, 5);
  EXPECT_EQ(after, 2);
  EXPECT_EQ(Text(dlg, 10), "3");  // only the initial exchange filled it
}

TEST_F(Bindings, SpinsWrapOrClampAndShowInTheirOwnEdit) {
  BoundDlg wrapping([](BoundDlg& d) { d.BindSpin(d.m_value, 11, 12).Step(5).Wrap(0, 360); });
  wrapping.m_value = 358;
  Run(wrapping, "click 11\n");
  EXPECT_EQ(wrapping.m_value, 0);
  Run(wrapping, "click 12\n");
  EXPECT_EQ(wrapping.m_value, 360);
  wrapping.m_value = 400;  // wraps only past the end it moves towards
  Run(wrapping, "click 12\n");
  EXPECT_EQ(wrapping.m_value, 395);

  BoundDlg clamped([](BoundDlg& d) { d.BindSpin(d.m_value, 11, 12).Clamp(1, 30).Shows(13); });
  clamped.m_value = 50;
  Run(clamped, "");
  EXPECT_EQ(Text(clamped, 13), "50");  // shown as it opens
  Run(clamped, "click 12\n");
  EXPECT_EQ(clamped.m_value, 30);
  EXPECT_EQ(Text(clamped, 13), "30");
  clamped.m_value = -5;
  Run(clamped, "click 11\n");
  EXPECT_EQ(clamped.m_value, 1);
}

TEST_F(Bindings, FloatSpinsStepInSinglePrecision) {
  BoundDlg dlg([](BoundDlg& d) { d.BindSpin(d.m_ratio, 11, 12).Step(0.1f).Min(0.1f).Shows(13); });
  dlg.m_ratio = 0.3f;
  Run(dlg, Repeat("click 12", 3));
  EXPECT_EQ(dlg.m_ratio, 0.1f);
  Run(dlg, "click 11\n");
  EXPECT_EQ(dlg.m_ratio, 0.1f + 0.1f);
  EXPECT_EQ(Text(dlg, 13), "0.2");
}

TEST_F(Bindings, RadioGroupsShowTheirValueAndSetItWhenClicked) {
  BoundDlg dlg([](BoundDlg& d) { d.BindRadio(d.m_choice, {{20, 5}, {21, 6}, {22, 7}}); });
  dlg.m_choice = 6;
  Run(dlg, "");
  EXPECT_EQ(dlg.IsDlgButtonChecked(21), 1);
  dlg.m_choice = 9;  // no button has it: none is checked
  Run(dlg, "");
  EXPECT_EQ(dlg.IsDlgButtonChecked(20) + dlg.IsDlgButtonChecked(21) + dlg.IsDlgButtonChecked(22), 0);
  Run(dlg, "click 22\n");
  EXPECT_EQ(dlg.m_choice, 7);

  int seen = 0;
  BoundDlg words([&seen](BoundDlg& d) {
    d.BindRadio(d.m_word, {{20, "IN"}, {21, "OUT"}}).Otherwise(21);
    d.OnClicked(20, [&seen, &d] { seen = d.m_word == "IN" ? 1 : -1; });  // runs after the binding's
  });
  words.m_word = "elsewhere";
  Run(words, "");
  EXPECT_EQ(words.IsDlgButtonChecked(21), 1);
  Run(words, "click 20\n");
  EXPECT_EQ(words.m_word, CString("IN"));
  EXPECT_EQ(seen, 1);
}

// The box shows checked only for the "on" value; what a click makes of another
// value depends on the toggle.
TEST_F(Bindings, TogglesSwitchBetweenTheirTwoValues) {
  BoundDlg dlg([](BoundDlg& d) {
    d.BindToggle(d.m_flag, 30);
    d.BindToggle(d.m_switch, 31, "on", "off");
  });
  dlg.m_flag = 5;
  dlg.m_switch = "on";
  Run(dlg, "");
  EXPECT_EQ(dlg.IsDlgButtonChecked(30), 0);
  EXPECT_EQ(dlg.IsDlgButtonChecked(31), 1);
  Run(dlg, "click 30\nclick 31\n");
  EXPECT_EQ(dlg.m_flag, 1);
  EXPECT_EQ(dlg.m_switch, CString("off"));
  Run(dlg, "click 30\nclick 31\n");
  EXPECT_EQ(dlg.m_flag, 0);
  EXPECT_EQ(dlg.m_switch, CString("on"));

  BoundDlg strict([](BoundDlg& d) { d.BindToggle(d.m_flag, 30).OthersTurnOff(); });
  strict.m_flag = 5;
  Run(strict, "click 30\n");
  EXPECT_EQ(strict.m_flag, 0);
  Run(strict, "click 30\n");
  EXPECT_EQ(strict.m_flag, 1);
}

}  // namespace
}  // namespace topodlg
