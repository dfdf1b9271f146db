// One dialog with every kind of control, a tab page, a nested dialog, a message
// box, both pickers and painting, worked once by the scripted user and once by a
// person at the real widgets with the same actions: the dialog must hear the
// same notifications, in the same order, and end the same way.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

#include "gui/dialog_view.h"
#include "gui/qt_backend.h"
#include "gui/screenshot.h"
#include "gui/tests/qtest_person.h"
#include "platform/common_dialogs.h"
#include "platform/dialog.h"
#include "platform/module_state.h"
#include "tools/scripted/event_log.h"
#include "tools/scripted/scripted_user.h"

namespace topodlg::gui {
namespace {

const char* kTemplates[] = {R"(9101 DIALOGEX 0, 0, 260, 170
CAPTION "all controls"
FONT 9, "MS UI Gothic"
BEGIN
    EDITTEXT 10, 5, 5, 60, 12
    LISTBOX 20, 5, 20, 60, 50, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP
    AUTOCHECKBOX "check", 30, 5, 75, 50, 10
    AUTOCHECKBOX "push", 31, 5, 88, 40, 14, BS_PUSHLIKE
    AUTORADIOBUTTON "one", 40, 5, 106, 30, 10, WS_GROUP
    AUTORADIOBUTTON "two", 41, 40, 106, 30, 10
    COMBOBOX 50, 5, 120, 60, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_GROUP
    CONTROL "", 51, "ComboBox", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 5, 136, 60, 60
    CONTROL "", 60, "SysTabControl32", 0, 75, 5, 120, 80
    SCROLLBAR 70, 75, 90, 120, 10
    PUSHBUTTON "box", 80, 205, 5, 50, 14
    PUSHBUTTON "file", 81, 205, 22, 50, 14
    PUSHBUTTON "color", 82, 205, 39, 50, 14
    PUSHBUTTON "nest", 83, 205, 56, 50, 14
    CONTROL "", 90, "Button", BS_OWNERDRAW, 205, 73, 50, 20
    DEFPUSHBUTTON "go", IDOK, 150, 150, 50, 14
    PUSHBUTTON "Cancel", IDCANCEL, 205, 150, 50, 14
END
9101 DLGINIT
BEGIN
    50, "red"
    50, "green"
END
)",
                            R"(9102 DIALOGEX 0, 0, 110, 50
STYLE WS_CHILD
BEGIN
    EDITTEXT 100, 5, 5, 60, 12
    AUTOCHECKBOX "page check", 101, 5, 22, 60, 10
END
)",
                            R"(9103 DIALOGEX 0, 0, 100, 40
CAPTION "nested"
BEGIN
    EDITTEXT 10, 5, 5, 40, 12
    DEFPUSHBUTTON "OK", IDOK, 5, 22, 30, 12
END
)"};

class PageDlg : public CDialog {
 public:
  PageDlg() : CDialog(9102) {}
};

class WholeDlg : public CDialog {
 public:
  WholeDlg() : CDialog(9101) {
    // (The page's edit 100 notifies the page, not this dialog.)
    OnNotify(10, EN_SETFOCUS, [this] { Note("set10"); });
    OnNotify(10, EN_KILLFOCUS, [this] { Note("kill10"); });
    // A person types a key at a time and a script a whole text at once: the
    // dialog hears one change or several in a row, and the text at the end.
    OnNotify(10, EN_CHANGE, [this] { Note("change10"); });
    OnNotify(20, LBN_SETFOCUS, [this] { Note("set20"); });
    OnNotify(20, LBN_SELCHANGE, [this] { Note("sel20=" + std::to_string(GetDlgItem(20)->GetCurSel())); });
    OnNotify(20, LBN_DBLCLK, [this] { Note("dbl20"); });
    OnNotify(50, CBN_SELCHANGE, [this] { Note("sel50=" + std::to_string(GetDlgItem(50)->GetCurSel())); });
    OnNotify(51, CBN_EDITCHANGE, [this] { Note("edit51"); });
    for (int id : {30, 31, 40, 41}) {
      OnClicked(id, [this, id] { Note("click" + std::to_string(id) + "=" + std::to_string(IsDlgButtonChecked(id))); });
    }
    OnNotify(60, TCN_SELCHANGE, [this] {
      Note("tab=" + std::to_string(GetDlgItem(60)->GetCurSel()));
      m_page.ShowWindow(GetDlgItem(60)->GetCurSel() == 1 ? SW_SHOW : SW_HIDE);
    });
    OnClicked(80, [this] { Note("box=" + std::to_string(AfxMessageBox("continue?", MB_OKCANCEL | MB_ICONQUESTION))); });
    OnClicked(81, [this] {
      CFileDialog picker(true, "txt", nullptr, OFN_FILEMUSTEXIST, "Text files|*.txt||");
      const int code = picker.DoModal();
      Note("file=" + std::to_string(code) + ":" + picker.GetPathName().str());
    });
    OnClicked(82, [this] {
      CColorDialog picker(RGB(0, 0, 255));
      const int code = picker.DoModal();
      Note("color=" + std::to_string(code) + ":" + ColorHex(picker.GetColor()));
    });
    OnClicked(83, [this] {
      CDialog nested(9103);
      Note("nested=" + std::to_string(nested.DoModal()));
    });
  }
  bool OnInitDialog() override {
    CDialog::OnInitDialog();
    for (const char* item : {"a", "b", "c"}) GetDlgItem(20)->AddString(item);
    GetDlgItem(60)->InsertItem(0, "first");
    GetDlgItem(60)->InsertItem(1, "second");
    GetDlgItem(60)->SetCurSel(0);
    m_page.Create(9102, this);
    GetDlgItem(70)->SetScrollRange(0, 10);
    return true;
  }
  void OnDrawItem(int, CDC& dc) override { dc.FillSolidRect({2, 2, 20, 12}, RGB(255, 0, 0)); }
  void OnHScroll(int code, int, CScrollBar* bar) override {
    Note("scroll" + std::to_string(code));
    if (code == SB_LINERIGHT) bar->SetScrollPos(bar->GetScrollPos() + 1);
  }

  std::string m_events;
  PageDlg m_page;

 private:
  void Note(const std::string& event) {
    if (event != m_last) m_events += event + " ";
    m_last = event;
  }
  std::string m_last;
};

class WholeDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ModuleState& state = AfxGetModuleState();
    for (const char* text : kTemplates) {
      auto parsed = ParseDialogTemplate(text);
      ASSERT_TRUE(parsed);
      state.addedTemplates[parsed->resourceId] = *parsed;
    }
    std::ofstream(m_folder.filePath(QStringLiteral("notes.txt")).toStdString()) << "x";
    state.drives.Map('D', m_folder.path().toStdString());
  }
  void TearDown() override {
    ModuleState& state = AfxGetModuleState();
    state.addedTemplates.clear();
    state.backend = nullptr;
    state.drives = DriveMap();
  }

  // Runs the dialog with a backend; returns what it heard and how it ended.
  std::string Run(UiBackend& backend) {
    AfxGetModuleState().backend = &backend;
    WholeDlg dialog;
    int code = dialog.DoModal();
    AfxGetModuleState().backend = nullptr;
    return dialog.m_events + "end=" + std::to_string(code) + " text10=" + dialog.GetDlgItemText(10).str() +
           " text100=" + dialog.m_page.GetDlgItemText(100).str() + " text51=" + dialog.GetDlgItemText(51).str();
  }

  QTemporaryDir m_folder;
};

TEST_F(WholeDialog, APersonAtTheWidgetsAndTheScriptedUserAreHeardAlike) {
  const std::string script =
      "type 10 \"abc\"\nselect 20 2\ndblclick 20 1\nclick 30\nclick 31\nclick 41\nselect 50 1\n"
      "tab 60 1\ntype 100 \"page\"\nclick 101\nscroll 70 lineright\nscroll 70 endscroll\n"
      "click 80\nanswer cancel\nclick 81\npick \"D:\\notes.txt\"\nclick 82\ncolor 255 0 0\n"
      "click 83\ntype 10 \"5\"\nenter\nclick 90\ntype 51 \"typed\"\nenter\n";
  ScriptedUser scripted(ParseScript(script));
  const std::string heard = Run(scripted);
  EXPECT_NE(heard.find("file=1:D:\\notes.txt"), std::string::npos) << heard;

  QTestPerson person(ParseScript(script));
  QtBackend graphical;
  graphical.SetShownHook([&person](DialogView& view) { person.Work(view); });
  EXPECT_EQ(Run(graphical), heard);
  EXPECT_EQ(person.Error(), "");
}

TEST_F(WholeDialog, ScreenshotShowsTheVisiblePageAndThePainting) {
  struct Shooter : ScriptedUser {
    using ScriptedUser::ScriptedUser;
    QImage picture;
  } user(ParseScript("tab 60 1\nscreenshot \"x.png\"\nescape\n"));
  user.SetScreenshotHook([&user](CDialog& dialog, const std::string&) {
    user.picture = RenderDialog(dialog);
    return std::string();
  });
  Run(user);
  ASSERT_FALSE(user.picture.isNull());
  // The owner-drawn button at (205, 73) dialog units holds a red rectangle.
  DialogUnits units = UnitsOf(*FindDialogTemplate(9101));
  QPoint button = units.RectToPixels(205, 73, 50, 20).topLeft();
  EXPECT_EQ(user.picture.pixelColor(button + QPoint(10, 6)), QColor(Qt::red));
  // The page's check box shows inside the tab control.
  bool pageShown = false;
  QRect tab = units.RectToPixels(75, 5, 120, 80);
  for (int y = tab.top() + 20; y < tab.bottom() && !pageShown; ++y)
    for (int x = tab.left(); x < tab.right() && !pageShown; ++x) pageShown = user.picture.pixelColor(x, y).lightness() < 80;
  EXPECT_TRUE(pageShown);
}

}  // namespace
}  // namespace topodlg::gui
