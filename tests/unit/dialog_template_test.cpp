// Dialog templates: the parser, and every template the library carries.
#include "platform/dialog_template.h"

#include <gtest/gtest.h>

#include <set>

namespace topodlg {
namespace {

TEST(DialogTemplate, ParsesStatementsDefaultsAndInitialItems) {
  // Templates are UTF-8 text; the literal must stay UTF-8 (u8).
  const auto* script = reinterpret_cast<const char*>(u8R"(// a comment
200 DIALOGEX 0, 0, 100, 50
STYLE DS_MODALFRAME | WS_POPUP
CAPTION "  題名 ""q"""
FONT 9, "IPAPGothic"
BEGIN
    LTEXT "ラベル", IDC_STATIC, 1, 2, 30, 8
    EDITTEXT 10, 1, 12, 30, 12, ES_READONLY | NOT WS_TABSTOP
    DEFPUSHBUTTON "OK", IDOK, 40, 30, 20, 12
    AUTORADIOBUTTON "a", 11, 1, 30, 10, 10, WS_GROUP
    CONTROL "", 12, "Button", BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, 1, 40, 10, 10
    CONTROL "", 13, "Button", BS_OWNERDRAW | WS_DISABLED, 12, 40, 10, 10
    PUSHBUTTON "x", 14, 30, 40, 10, 10, NOT WS_VISIBLE
    CONTROL "", 15, "SysTabControl32", 0x0, 50, 1, 40, 20
    COMBOBOX 16, 50, 20, 40, 40, CBS_DROPDOWNLIST
    COMBOBOX 17, 50, 30, 40, 40, CBS_DROPDOWN | CBS_SORT
    COMBOBOX 18, 50, 40, 40, 40
    RTEXT "r", 19, 1, 1, 5, 5, SS_OWNERDRAW
END
200 DLGINIT
BEGIN
    16, "一"
    16, "二"
END
)");
  CString error;
  auto t = ParseDialogTemplate(script, &error);
  ASSERT_TRUE(t) << error.c_str();
  EXPECT_EQ(t->resourceId, 200);
  EXPECT_EQ(t->cx, 100);
  EXPECT_EQ(t->caption, CString("  題名 \"q\""));
  ASSERT_EQ(t->controls.size(), 12u);
  EXPECT_TRUE(t->controls[0].Has(style::kGroup));  // static texts start a group
  EXPECT_EQ(t->controls[1].kind, ControlKind::Edit);
  EXPECT_TRUE(t->controls[1].Has(style::kEditReadOnly));
  EXPECT_FALSE(t->controls[1].Has(style::kTabStop));
  EXPECT_EQ(t->DefaultCommand(), 1);
  EXPECT_EQ(t->controls[3].kind, ControlKind::Radio);
  EXPECT_EQ(t->controls[4].kind, ControlKind::Check);
  EXPECT_TRUE(t->controls[4].Has(style::kPushLike));
  EXPECT_EQ(t->controls[5].kind, ControlKind::Button);
  EXPECT_EQ(t->controls[5].ButtonType(), style::kOwnerDraw);
  EXPECT_TRUE(t->controls[5].Has(style::kDisabled));
  EXPECT_FALSE(t->controls[6].Has(style::kVisible));
  EXPECT_EQ(t->controls[7].kind, ControlKind::Tab);
  // A type word replaces the statement's default type instead of adding to it.
  EXPECT_EQ(t->controls[8].style & style::kComboTypeMask, style::kComboDropDownList);
  EXPECT_EQ(t->controls[9].style & style::kComboTypeMask, style::kComboDropDown);
  EXPECT_TRUE(t->controls[9].Has(style::kComboSort));
  EXPECT_EQ(t->controls[10].style & style::kComboTypeMask, style::kComboSimple);
  EXPECT_EQ(t->controls[11].style & style::kStaticTypeMask, style::kStaticOwnerDraw);
  ASSERT_EQ(t->initItems.size(), 2u);
  EXPECT_EQ(t->initItems[1].second, CString("二"));
}

TEST(DialogTemplate, ReportsTheLineOfAnError) {
  CString error;
  EXPECT_FALSE(ParseDialogTemplate("1 DIALOGEX 0, 0, 10, 10\nBEGIN\n  WIDGET 3, 1, 1, 1, 1\nEND\n", &error));
  EXPECT_EQ(error.Left(7), CString("line 3:"));
  EXPECT_FALSE(ParseDialogTemplate("1 DIALOGEX 0, 0, 10, 10\nBEGIN\n  LTEXT \"open, 1, 1, 1, 1, 1\nEND\n", &error));
  EXPECT_FALSE(ParseDialogTemplate("1 DIALOGEX 0, 0, 10, 10\nBEGIN\n", &error));
  EXPECT_FALSE(ParseDialogTemplate("", &error));
}

// Every template the library carries parses, has distinct control identifiers
// and keeps its controls inside the dialog.
TEST(DialogTemplate, BuiltInTemplatesAreSound) {
  std::vector<int> ids = DialogTemplateIds();
  ASSERT_FALSE(ids.empty());
  for (int id : ids) {
    const DialogTemplate* t = FindDialogTemplate(id);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->resourceId, id);
    std::set<int> seen;
    for (const ControlTemplate& c : t->controls) {
      if (c.id != -1) {
        EXPECT_TRUE(seen.insert(c.id).second) << "dialog " << id << " repeats control " << c.id;
      }
      // Combo boxes reach below the dialog with their drop-down list.
      const int bottom = c.kind == ControlKind::Combo ? c.y + 12 : c.y + c.cy;
      EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= t->cx && bottom <= t->cy)
          << "dialog " << id << " control " << c.id << " lies outside the dialog";
    }
    for (const auto& [control, item] : t->initItems) EXPECT_NE(t->Find(control), nullptr) << "dialog " << id;
  }
}

}  // namespace
}  // namespace topodlg
