// Dialog layout: dialog units, fonts, and the widgets a template turns into.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/tests/sjis.h"

#include "gui/control_widgets.h"
#include "gui/dialog_builder.h"
#include "gui/font_map.h"

namespace topodlg::gui {
namespace {

ControlTemplate Control(int id, ControlKind kind, const CString& text, uint32_t extraStyle, int x, int y, int cx, int cy) {
  ControlTemplate control;
  control.id = id;
  control.kind = kind;
  control.text = text;
  control.style = style::kVisible | extraStyle;
  control.x = x, control.y = y, control.cx = cx, control.cy = cy;
  return control;
}

DialogTemplate SampleDialog() {
  DialogTemplate dialog;
  dialog.resourceId = 140;
  dialog.caption = test::Sjis("    等高線の設定");
  dialog.cx = 92, dialog.cy = 253;
  dialog.fontSize = 9;
  dialog.fontFace = test::Sjis("ＭＳ Ｐゴシック");
  dialog.controls = {
      Control(-1, ControlKind::Static, test::Sjis("主曲線間隔(m)"), style::kGroup, 6, 10, 50, 8),
      Control(102, ControlKind::Edit, "", style::kTabStop, 58, 8, 28, 12),
      Control(121, ControlKind::Radio, test::Sjis("表示"), style::kAutoRadioButton | style::kGroup | style::kTabStop, 10, 80, 30, 10),
      Control(122, ControlKind::Radio, test::Sjis("非表示"), style::kAutoRadioButton, 44, 80, 36, 10),
      Control(-1, ControlKind::Group, test::Sjis("補助等高線(Hm以下)"), style::kGroupBox | style::kGroup, 4, 70, 84, 24),
      Control(1200, ControlKind::Check, test::Sjis("計曲線を表示"), style::kAutoCheckBox | style::kTabStop | style::kDisabled, 6, 60, 70, 10),
      Control(1201, ControlKind::Check, test::Sjis("色分け"), style::kAutoCheckBox | style::kPushLike | style::kTabStop, 6, 46, 40, 12),
      Control(1401, ControlKind::Combo, "", style::kComboDropDownList | style::kTabStop, 6, 100, 80, 120),
      Control(1300, ControlKind::ScrollBar, "", 0, 6, 190, 80, 10),
      Control(1100, ControlKind::Button, "", style::kOwnerDraw, 6, 200, 20, 12),
      Control(1101, ControlKind::Tab, "", 0, 6, 214, 80, 20),
      Control(140, ControlKind::Button, "OK", style::kDefPushButton | style::kTabStop, 6, 236, 36, 14),
      Control(2, ControlKind::Button, test::Sjis("ｷｬﾝｾﾙ"), style::kTabStop, 48, 236, 36, 14),
  };
  dialog.controls.back().style &= ~style::kVisible;
  return dialog;
}

QWidget* WidgetOf(const std::vector<ControlWidget>& built, int id) {
  for (const ControlWidget& entry : built) {
    if (entry.control->id == id) return entry.widget;
  }
  return nullptr;
}

TEST(DialogUnitsTest, ConvertWithTheFontsBaseUnitsAndRoundLikeMulDiv) {
  DialogUnits units(7, 13);
  EXPECT_EQ(units.SizeToPixels(92, 253), QSize(161, 411));
  EXPECT_EQ(units.ToPixelsX(2), 4);  // 3.5 rounds up
  EXPECT_EQ(units.ToPixelsX(3), 5);  // 5.25 rounds down
  EXPECT_EQ(units.ToPixelsY(-4), -7);  // -6.5 rounds away from zero
  EXPECT_EQ(units.RectToPixels(6, 10, 50, 8), QRect(11, 16, 88, 13));
}

TEST(DialogUnitsTest, NinePointGothicHasTheBaseUnitsOfAJapaneseDialog) {
  DialogUnits units(DialogFont("IPAPGothic", 9));
  EXPECT_EQ(units.BaseX(), 7);
  EXPECT_EQ(units.BaseY(), 13);
}

TEST(FontMapTest, TemplateFacesMapToTheInstalledGothicAndMincho) {
  EXPECT_EQ(InstalledFamily(QString::fromUtf16(u"ＭＳ Ｐゴシック")), "IPAPGothic");
  EXPECT_EQ(InstalledFamily(QString::fromUtf16(u"ＭＳ ゴシック")), "IPAGothic");
  EXPECT_EQ(InstalledFamily(QString::fromUtf16(u"ＭＳ 明朝")), "IPAMincho");
  EXPECT_EQ(InstalledFamily(QString::fromUtf16(u"MS PMincho")), "IPAPMincho");
  EXPECT_EQ(InstalledFamily("MS UI Gothic"), "IPAPGothic");
  EXPECT_EQ(InstalledFamily("IPAGothic"), "IPAGothic");
  EXPECT_EQ(InstalledFamily("MS Shell Dlg"), "IPAPGothic");
  EXPECT_EQ(DialogFont("IPAMincho", 9).pixelSize(), 12);
  EXPECT_EQ(LogicalFont("", -20).pixelSize(), 20);
}

TEST(LayoutTest, TemplateBecomesWidgetsAtTheirPositions) {
  DialogTemplate dialog = SampleDialog();
  QWidget surface;
  std::vector<ControlWidget> built = LayOutTemplate(dialog, surface);
  ASSERT_EQ(built.size(), dialog.controls.size());
  DialogUnits units = UnitsOf(dialog);

  EXPECT_EQ(surface.size(), units.SizeToPixels(92, 253));
  EXPECT_EQ(surface.windowTitle(), QString::fromUtf16(u"    等高線の設定"));
  EXPECT_EQ(surface.font().family(), "IPAPGothic");
  EXPECT_EQ(WidgetOf(built, 102)->geometry(), units.RectToPixels(58, 8, 28, 12));
  // A closed combo box is a selection field, not the height of its list.
  EXPECT_LT(WidgetOf(built, 1401)->height(), units.ToPixelsY(120));

  EXPECT_EQ(qobject_cast<QLabel*>(built[0].widget)->text(), QString::fromUtf16(u"主曲線間隔(m)"));
  EXPECT_EQ(qobject_cast<QPushButton*>(WidgetOf(built, 2))->text(), QString::fromUtf16(u"ｷｬﾝｾﾙ"));
  EXPECT_NE(qobject_cast<QLineEdit*>(WidgetOf(built, 102)), nullptr);
  EXPECT_NE(qobject_cast<QScrollBar*>(WidgetOf(built, 1300)), nullptr);
  EXPECT_NE(dynamic_cast<OwnerDrawnButton*>(WidgetOf(built, 1100)), nullptr);
  EXPECT_NE(dynamic_cast<TabControl*>(WidgetOf(built, 1101)), nullptr);
  EXPECT_FALSE(qobject_cast<QComboBox*>(WidgetOf(built, 1401))->isEditable());
  auto* pushLike = qobject_cast<QPushButton*>(WidgetOf(built, 1201));
  ASSERT_NE(pushLike, nullptr);
  EXPECT_TRUE(pushLike->isCheckable());
  EXPECT_TRUE(qobject_cast<QPushButton*>(WidgetOf(built, 140))->isDefault());

  EXPECT_FALSE(WidgetOf(built, 1200)->isEnabled());
  EXPECT_TRUE(WidgetOf(built, 2)->isHidden());
  EXPECT_EQ(WidgetOf(built, 1401)->objectName(), QStringLiteral("control1401"));
}

TEST(LayoutTest, ClicksInsideAGroupBoxReachTheControlsItFrames) {
  DialogTemplate dialog = SampleDialog();
  QWidget surface;
  std::vector<ControlWidget> built = LayOutTemplate(dialog, surface);
  surface.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
  auto* radio = qobject_cast<QRadioButton*>(WidgetOf(built, 122));
  QSignalSpy clicks(radio, &QAbstractButton::clicked);
  QPoint centre = radio->geometry().center();
  QWidget* hit = surface.childAt(centre);
  ASSERT_EQ(hit, radio);
  QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&surface, centre));
  EXPECT_EQ(clicks.count(), 1);
}

TEST(LayoutTest, FocusMovesThroughTabStopsInTemplateOrder) {
  DialogTemplate dialog = SampleDialog();
  QWidget surface;
  std::vector<ControlWidget> built = LayOutTemplate(dialog, surface);
  EXPECT_EQ(WidgetOf(built, 102)->nextInFocusChain(), WidgetOf(built, 121));
  EXPECT_EQ(built[0].widget->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(WidgetOf(built, 122)->focusPolicy(), Qt::ClickFocus);
}

TEST(LayoutTest, SimpleComboBoxFillsItsRectangleWithItsListOpenUnderItsField) {
  DialogTemplate dialog = SampleDialog();
  dialog.controls = {Control(1029, ControlKind::Combo, "", style::kComboSimple | style::kTabStop, 9, 28, 84, 96)};
  QWidget surface;
  std::vector<ControlWidget> built = LayOutTemplate(dialog, surface);
  auto* combo = dynamic_cast<SimpleComboBox*>(built[0].widget);
  ASSERT_NE(combo, nullptr);
  surface.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
  EXPECT_EQ(combo->geometry(), UnitsOf(dialog).RectToPixels(9, 28, 84, 96));
  EXPECT_EQ(combo->Field().geometry().bottom() + 1, combo->List().geometry().top());
  EXPECT_EQ(combo->List().geometry().bottom(), combo->rect().bottom());

  // The arrow keys in the field choose in the list; the field keeps the focus.
  combo->List().addItems({"a", "b", "c"});
  combo->List().setCurrentRow(0);
  std::vector<int> chosen;
  combo->List().SetChooser([&chosen](int row, bool) { chosen.push_back(row); });
  combo->setFocus();
  QTest::keyClick(&combo->Field(), Qt::Key_Down);
  EXPECT_EQ(chosen, std::vector<int>{1});
  EXPECT_TRUE(combo->Field().hasFocus());
}

}  // namespace
}  // namespace topodlg::gui
