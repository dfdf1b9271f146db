#include "gui/control_mirror.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "gui/control_widgets.h"
#include "gui/qt_text.h"

namespace topodlg::gui {
namespace {

QStringList ItemsOf(const CWnd& control) {
  QStringList items;
  items.reserve(static_cast<qsizetype>(control.Items().size()));
  for (const CString& item : control.Items()) items.push_back(ToQString(item));
  return items;
}

void ShowCheck(const CWnd& control, QAbstractButton& button) {
  if (auto* box = qobject_cast<QCheckBox*>(&button)) {
    static constexpr Qt::CheckState kStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    box->setCheckState(kStates[control.GetCheck()]);
  } else {
    button.setChecked(control.GetCheck() != 0);
  }
}

void ShowCombo(const CWnd& control, QComboBox& combo) {
  QStringList items = ItemsOf(control);
  bool same = combo.count() == items.size();
  for (int i = 0; same && i < combo.count(); ++i) same = combo.itemText(i) == items[i];
  if (!same) {
    combo.clear();
    combo.addItems(items);
  }
  if (combo.currentIndex() != control.GetCurSel()) combo.setCurrentIndex(control.GetCurSel());
  if (QLineEdit* field = combo.lineEdit()) {
    QString text = ToQString(control.GetWindowText());
    if (field->text() != text) field->setText(text);
  }
}

// The items and the chosen one; false when the items had to be filled anew.
bool ShowItems(const CWnd& control, QListWidget& list) {
  QStringList items = ItemsOf(control);
  bool same = list.count() == items.size();
  for (int i = 0; same && i < list.count(); ++i) same = list.item(i)->text() == items[i];
  if (!same) {
    list.clear();
    list.addItems(items);
  }
  if (list.currentRow() != control.GetCurSel() || (control.GetCurSel() < 0 && !list.selectedItems().isEmpty())) {
    list.setCurrentRow(control.GetCurSel());
    if (control.GetCurSel() < 0) list.clearSelection();
  }
  return same;
}

// The list of a simple combo box keeps its chosen item in view.
void ShowSimpleCombo(const CWnd& control, SimpleComboBox& combo) {
  const int shownRow = combo.List().currentRow();
  if (!ShowItems(control, combo.List()) || shownRow != combo.List().currentRow()) {
    if (QListWidgetItem* chosen = combo.List().currentItem()) combo.List().scrollToItem(chosen);
  }
  QString text = ToQString(control.GetWindowText());
  if (combo.Field().text() != text) combo.Field().setText(text);
}

void ShowList(const CWnd& control, QListWidget& list) {
  const bool same = ShowItems(control, list);
  // The top item moves only when the dialog moved it, not under the person's scrolling.
  const char* kShownTop = "topodlgShownTop";
  if (list.property(kShownTop).toInt() != control.GetTopIndex() || !same) {
    list.setProperty(kShownTop, control.GetTopIndex());
    if (QListWidgetItem* top = list.item(control.GetTopIndex())) list.scrollToItem(top, QAbstractItemView::PositionAtTop);
  }
}

void ShowTabs(const CWnd& control, QTabBar& bar) {
  QStringList items = ItemsOf(control);
  while (bar.count() > items.size()) bar.removeTab(bar.count() - 1);
  for (int i = 0; i < items.size(); ++i) {
    if (i >= bar.count()) {
      bar.addTab(items[i]);
    } else if (bar.tabText(i) != items[i]) {
      bar.setTabText(i, items[i]);
    }
  }
  if (control.GetCurSel() >= 0 && bar.currentIndex() != control.GetCurSel()) bar.setCurrentIndex(control.GetCurSel());
}

void ShowScrollBar(const CWnd& control, QScrollBar& bar) {
  int min = 0, max = 0;
  control.GetScrollRange(&min, &max);
  bar.setRange(min, max);
  bar.setValue(control.GetScrollPos());
}

}  // namespace

QString ToWidgetText(const CString& modelText) {
  QString text = ToQString(modelText);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::optional<CString> ToModelText(const QString& widgetText) {
  QString text = widgetText;
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return ToCString(text);
}

void ShowControl(const CWnd& control, QWidget& widget) {
  if (widget.isEnabled() != control.IsWindowEnabled()) widget.setEnabled(control.IsWindowEnabled());
  if (widget.isHidden() == control.IsWindowVisible()) widget.setVisible(control.IsWindowVisible());

  const QString text = ToWidgetText(control.GetWindowText());
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    if (label->text() != text) label->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
    if (group->title() != text) group->setTitle(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
    if (edit->text() != text) edit->setText(text);
    edit->setReadOnly(control.IsReadOnly());
  } else if (auto* multiline = qobject_cast<QPlainTextEdit*>(&widget)) {
    if (multiline->toPlainText() != text) multiline->setPlainText(text);
    multiline->setReadOnly(control.IsReadOnly());
  } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    ShowCombo(control, *combo);
  } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
    ShowList(control, *list);
  } else if (auto* bar = qobject_cast<QScrollBar*>(&widget)) {
    ShowScrollBar(control, *bar);
  } else if (auto* simpleCombo = dynamic_cast<SimpleComboBox*>(&widget)) {
    ShowSimpleCombo(control, *simpleCombo);
  } else if (auto* tabs = dynamic_cast<TabControl*>(&widget)) {
    ShowTabs(control, tabs->Bar());
  } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    if (!dynamic_cast<OwnerDrawnButton*>(button) && button->text() != text) button->setText(text);
    if (control.Kind() == ControlKind::Check || control.Kind() == ControlKind::Radio) ShowCheck(control, *button);
  }
}

}  // namespace topodlg::gui
