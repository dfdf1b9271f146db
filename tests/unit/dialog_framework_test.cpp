// The dialog framework under the scripted user: radio groups, focus
// notifications, data exchange, tab pages, nested dialogs and painting. The
// dialogs here exist only for these tests.
#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "platform/module_state.h"
#include "tests/support/dump_reader.h"
#include "tools/scripted/scripted_user.h"

namespace topodlg {
namespace {

const char* kMainTemplate = R"(9001 DIALOGEX 0, 0, 200, 150
CAPTION "main"
BEGIN
    EDITTEXT 10, 5, 5, 40, 12
    EDITTEXT 11, 5, 20, 40, 12
    AUTORADIOBUTTON "a", 20, 5, 40, 20, 10, WS_GROUP
    AUTORADIOBUTTON "b", 21, 30, 40, 20, 10
    AUTORADIOBUTTON "c", 22, 55, 40, 20, 10, WS_GROUP
    AUTOCHECKBOX "k", 30, 5, 55, 20, 10, WS_GROUP
    PUSHBUTTON "nest", 40, 5, 70, 30, 12
    CONTROL "", 50, "Button", BS_OWNERDRAW, 40, 70, 30, 12
    CONTROL "", 60, "SysTabControl32", 0, 80, 5, 110, 100
    SCROLLBAR 70, 5, 110, 100, 10
    PUSHBUTTON "off", 80, 5, 125, 30, 12, WS_DISABLED
    DEFPUSHBUTTON "go", 90, 40, 125, 30, 12
    PUSHBUTTON "Cancel", IDCANCEL, 80, 125, 30, 12
END
)";
const char* kPageTemplate = R"(9002 DIALOGEX 0, 0, 100, 80
STYLE WS_CHILD
BEGIN
    EDITTEXT 100, 5, 5, 40, 12
END
)";
const char* kNestedTemplate = R"(9003 DIALOGEX 0, 0, 100, 50
CAPTION "nested"
BEGIN
    EDITTEXT 10, 5, 5, 40, 12
    PUSHBUTTON "OK", IDOK, 5, 30, 30, 12
END
)";

class NestedDlg : public CDialog {
 public:
  NestedDlg() : CDialog(9003) {}
  int m_value = 1;
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, 10, m_value);
    DDV_MinMaxInt(pDX, m_value, 1, 9);
  }
};

class PageDlg : public CDialog {
 public:
  PageDlg() : CDialog(9002) {}
};

class MainDlg : public CDialog {
 public:
  MainDlg() : CDialog(9001) {
    OnNotify(10, EN_KILLFOCUS, [this] { m_events += "kill10 "; });
    OnNotify(11, EN_SETFOCUS, [this] { m_events += "set11 "; });
    OnNotify(11, EN_CHANGE, [this] { m_events += "change11 "; });
    OnClicked(20, [this] { m_events += "radio20 "; });
    OnClicked(40, [this] {
      NestedDlg nested;
      if (nested.DoModal() == IDOK) m_nested = nested.m_value;
    });
    OnClicked(90, [this] { EndDialog(7); });
    OnNotify(60, TCN_SELCHANGE, [this] { m_page.ShowWindow(GetDlgItem(60)->GetCurSel() == 1 ? SW_SHOW : SW_HIDE); });
  }
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    GetDlgItem(60)->InsertItem(0, "one");
    GetDlgItem(60)->InsertItem(1, "two");
    GetDlgItem(60)->SetCurSel(0);
    m_page.Create(9002, this);
    GetDlgItem(70)->SetScrollRange(0, 10);
    return true;
  }
  void OnDrawItem(int id, CDC& dc) override {
    dc.FillSolidRect({0, 0, 10, 10}, RGB(255, 0, 0));
    m_events += "draw" + std::to_string(id) + " ";
  }
  void OnHScroll(int code, int, CScrollBar* bar) override {
    if (code == SB_LINERIGHT) bar->SetScrollPos(bar->GetScrollPos() + 1);
  }
  void DoDataExchange(CDataExchange* pDX) override { DDX_Radio(pDX, 20, m_radio); }

  std::string m_events;
  int m_nested = 0;
  int m_radio = 1;
  PageDlg m_page;
};

class Framework : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* t : {kMainTemplate, kPageTemplate, kNestedTemplate}) {
      auto parsed = ParseDialogTemplate(t);
      ASSERT_TRUE(parsed);
      AfxGetModuleState().addedTemplates[parsed->resourceId] = *parsed;
    }
  }
  void TearDown() override {
    AfxGetModuleState().addedTemplates.clear();
    AfxGetModuleState().backend = nullptr;
  }
  // The user stays for the test (dialogs outlive a script error here).
  int Run(MainDlg& dlg, const std::string& script) {
    m_users.push_back(std::make_unique<ScriptedUser>(ParseScript(script)));
    m_users.back()->SetLog(&m_log.Log());
    m_log.SetUser(m_users.back().get());
    return dlg.DoModal();
  }
  std::vector<std::unique_ptr<ScriptedUser>> m_users;
  std::string Log() { return m_log.Text(); }
  test::CapturedLog m_log;
};

TEST_F(Framework, RadioGroupsFocusAndNotificationsFollowTheUser) {
  MainDlg dlg;
  EXPECT_EQ(Run(dlg, "type 11 \"x\"\nclick 20\nclick 22\nescape\n"), IDCANCEL);
  // The focus starts on edit 10; typing into 11 moves it there first.
  EXPECT_EQ(dlg.m_events.substr(0, 29), "draw50 kill10 set11 change11 ");
  EXPECT_NE(dlg.m_events.find("radio20"), std::string::npos);
  // 22 starts a group of its own: clicking it leaves 20 checked.
  EXPECT_EQ(dlg.GetDlgItem(20)->GetCheck(), 1);
  EXPECT_EQ(dlg.GetDlgItem(21)->GetCheck(), 0);
  EXPECT_EQ(dlg.GetDlgItem(22)->GetCheck(), 1);
}

TEST_F(Framework, DataExchangeSetsRadioGroupsAndEnterUsesTheDefaultButton) {
  MainDlg dlg;
  EXPECT_EQ(Run(dlg, "click 30\nenter\n"), 7);
  EXPECT_EQ(dlg.GetDlgItem(21)->GetCheck(), 1);  // m_radio = 1 at initialisation
  EXPECT_EQ(dlg.GetDlgItem(30)->GetCheck(), 1);
}

TEST_F(Framework, NestedDialogsTakeTheActionsUntilTheyEnd) {
  MainDlg dlg;
  EXPECT_EQ(Run(dlg, "click 40\ntype 10 \"12\"\nclick 1\nanswer ok\ntype 10 \"4\"\nclick 1\nescape\n"), IDCANCEL);
  EXPECT_EQ(dlg.m_nested, 4);
  const std::string log = Log();
  EXPECT_EQ(test::Events(log, "open").at(1).Line(), R"({"event":"open","dialog":9003,"title":"nested"})");
  EXPECT_EQ(test::Events(log, "messagebox").at(0)["text"].Str(), test::U8(u8"1 から 9 までの整数を入力してください。"));
}

TEST_F(Framework, TabPagesAreReachedOnlyWhileVisible) {
  MainDlg dlg;
  EXPECT_THROW(Run(dlg, "type 100 \"x\"\n"), ScriptError);
  MainDlg again;
  EXPECT_EQ(Run(again, "tab 60 1\ntype 100 \"page\"\ndump\nescape\n"), IDCANCEL);
  const test::Dump dump = test::DumpAt(Log());
  ASSERT_EQ(dump.Pages().size(), 1u);
  EXPECT_TRUE(dump.Page(9002).Visible());
  EXPECT_EQ(dump.Page(9002).Controls().at(0).Id(), 100);
  EXPECT_EQ(dump.Page(9002).Control(100).Kind(), "edit");
  // The visible page's controls are reached from the dump as the user reaches them.
  EXPECT_EQ(dump.Control(100).Text(), "page");
}

TEST_F(Framework, DisabledControlsAndMissingAnswersAreScriptErrors) {
  MainDlg dlg;
  EXPECT_THROW(Run(dlg, "click 80\n"), ScriptError);
  MainDlg dlg2;
  EXPECT_THROW(Run(dlg2, "click 40\ntype 10 \"0\"\nclick 1\nclick 1\n"), ScriptError);
  MainDlg dlg3;
  EXPECT_THROW(Run(dlg3, "tab 60 2\n"), ScriptError);
}

TEST_F(Framework, PaintingAndScrolling) {
  MainDlg dlg;
  EXPECT_EQ(Run(dlg, "scroll 70 lineright\nscroll 70 lineright\ndump\nescape\n"), IDCANCEL);
  EXPECT_EQ(dlg.GetDlgItem(70)->GetScrollPos(), 2);
  const test::Dump dump = test::DumpAt(Log());
  const test::DumpedControl bar = dump.Control(70);
  EXPECT_EQ(bar.Kind() + "|" + bar.Text(), "scrollbar|");
  EXPECT_TRUE(bar.Enabled() && bar.Visible());
  EXPECT_EQ(std::vector<int>({bar.Min(), bar.Max(), bar.Pos()}), std::vector<int>({0, 10, 2}));
  EXPECT_EQ(dump.Control(50)["drawing"].Json(), R"([{"op":"fill","rect":[0,0,10,10],"color":"#ff0000"}])");
  // The owner-drawn button was painted once, before the first action.
  EXPECT_EQ(dlg.m_events.find("draw50"), 0u);
  EXPECT_EQ(dlg.m_events.find("draw50", 1), std::string::npos);
}

}  // namespace
}  // namespace topodlg
