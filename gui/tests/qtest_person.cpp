#include "gui/tests/qtest_person.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "gui/control_widgets.h"
#include "gui/dialog_view.h"
#include "platform/codepage.h"
#include "platform/path_map.h"

namespace topodlg::gui {
namespace {

int Number(const ScriptAction& action, size_t word) { return std::stoi(action.words.at(word).text); }

QString Text(const ScriptAction& action, size_t word) { return QString::fromStdString(action.words.at(word).text); }

// Where a person clicks a button: a check box or radio button on its box, any
// other button in its middle.
QPoint ClickPoint(QWidget& widget) {
  if (qobject_cast<QCheckBox*>(&widget) || qobject_cast<QRadioButton*>(&widget)) return {6, widget.height() / 2};
  return widget.rect().center();
}

void ChooseInCombo(QComboBox& combo, int index) {
  // The arrow at the right opens the list, whether or not the box has an edit field.
  QTest::mouseClick(&combo, Qt::LeftButton, {}, QPoint(combo.width() - 6, combo.height() / 2));
  QAbstractItemView* popup = combo.view();
  if (!QTest::qWaitForWindowExposed(popup->window())) return;
  QRect item = popup->visualRect(popup->model()->index(index, 0));
  // The list takes a release as a choice only after the pointer moved over it.
  QTest::mouseMove(popup->viewport(), item.center() + QPoint(0, 1));
  QTest::mouseMove(popup->viewport(), item.center());
  QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, item.center());
  // The dialog is the active window again once the list has closed.
  combo.window()->activateWindow();
  if (!QTest::qWaitForWindowActive(combo.window())) return;
}

void ReplaceText(QWidget& field, const QString& text) {
  QTest::mouseClick(&field, Qt::LeftButton, {}, field.rect().center());
  QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
  bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
  if (text.isEmpty()) {
    QTest::keyClick(&field, Qt::Key_Delete);
  } else if (ascii) {
    QTest::keyClicks(&field, text);
  } else {
    // Japanese arrives from the input method, committed in one piece.
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(&field, &commit);
  }
}

}  // namespace

void QTestPerson::Fail(const ScriptAction& action, const std::string& reason) {
  if (m_error.empty()) m_error = "line " + std::to_string(action.line) + ": " + reason;
}

void QTestPerson::Work(DialogView& view) {
  while (!view.Dialog().IsEnded() && m_next < m_actions.size() && m_error.empty()) {
    const ScriptAction& action = m_actions[m_next++];
    // The answer to a box the action opens waits for that box.
    if (m_next < m_actions.size()) {
      const std::string& following = m_actions[m_next].verb;
      if (following == "answer" || following == "pick" || following == "color") AnswerWhenOpen(m_actions[m_next++]);
    }
    Perform(view, action);
    if (m_pendingAnswers > 0) Fail(action, "the action opened no box to answer");
  }
  // A dialog the actions leave open would wait for a person forever.
  if (!view.Dialog().IsEnded()) {
    if (m_error.empty()) m_error = "dialog " + std::to_string(view.Dialog().TemplateId()) + " is still open";
    view.Dialog().EndDialog(IDCANCEL);
  }
}

void QTestPerson::AnswerWhenOpen(const ScriptAction& answer) {
  ++m_pendingAnswers;
  QTimer::singleShot(0, [this, answer] {
    --m_pendingAnswers;
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return Fail(answer, "no box is open");
    if (!QTest::qWaitForWindowExposed(box)) return Fail(answer, "the box does not show");
    const std::string& word = answer.words.at(0).text;
    if (auto* message = qobject_cast<QMessageBox*>(box)) {
      QTest::mouseClick(message->button(word == "ok" ? QMessageBox::Ok : QMessageBox::Cancel), Qt::LeftButton);
    } else if (auto* picker = qobject_cast<QFileDialog*>(box)) {
      if (word == "cancel" && !answer.words[0].quoted) return picker->reject();
      // A person types the file's place on this machine.
      const std::string& path = answer.words[0].text;
      QString host = QString::fromStdString(path.starts_with("/") ? path : HostPath(Utf8ToCp932(path).value_or(CString())));
      auto* name = picker->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ReplaceText(*name, host);
      QTest::keyClick(name, Qt::Key_Return);
    } else if (auto* colors = qobject_cast<QColorDialog*>(box)) {
      if (answer.words.size() == 1) return colors->reject();
      colors->setCurrentColor(QColor(Number(answer, 0), Number(answer, 1), Number(answer, 2)));
      auto* buttons = colors->findChild<QDialogButtonBox*>();
      QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    } else {
      Fail(answer, "the open box is not a message box or picker");
    }
  });
}

void QTestPerson::Perform(DialogView& view, const ScriptAction& action) {
  const std::string& verb = action.verb;
  QWidget* focused = view.focusWidget();
  if (verb == "enter" || verb == "escape") {
    QTest::keyClick(focused ? focused : &view, verb == "enter" ? Qt::Key_Return : Qt::Key_Escape);
    return;
  }
  if (verb == "close") {
    view.close();
    return;
  }
  if (verb == "dump" || verb == "screenshot") return;

  QWidget* widget = view.WidgetFor(Number(action, 0));
  if (!widget || !widget->isVisible() || !widget->isEnabled()) return Fail(action, "the control cannot be reached");
  if (verb == "click") {
    QTest::mouseClick(widget, Qt::LeftButton, {}, ClickPoint(*widget));
  } else if (verb == "type") {
    auto* combo = qobject_cast<QComboBox*>(widget);
    auto* simpleCombo = dynamic_cast<SimpleComboBox*>(widget);
    QWidget* field = combo ? combo->lineEdit() : simpleCombo ? &simpleCombo->Field() : widget;
    ReplaceText(*field, Text(action, 1));
  } else if (verb == "focus") {
    // A simple combo box is clicked in its field, not in its list.
    auto* simpleCombo = dynamic_cast<SimpleComboBox*>(widget);
    QWidget* target = simpleCombo ? &simpleCombo->Field() : widget;
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, target->height() / 2));
  } else if (verb == "select" || verb == "dblclick") {
    if (action.words.at(1).quoted) return Fail(action, "items are chosen by number here");
    int index = Number(action, 1);
    auto* simpleCombo = dynamic_cast<SimpleComboBox*>(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      ChooseInCombo(*combo, index);
    } else if (auto* list = simpleCombo ? &simpleCombo->List() : qobject_cast<QListWidget*>(widget)) {
      QListWidgetItem* item = list->item(index);
      if (!item) return Fail(action, "no such item");
      list->scrollToItem(item);
      QPoint at = list->visualItemRect(item).center();
      if (verb == "dblclick") {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
      } else {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
      }
    }
  } else if (verb == "scroll") {
    // The arrows and the track of a scroll bar; the bar itself ends the scrolling.
    const std::string& code = action.words.at(1).text;
    const bool vertical = widget->height() > widget->width();
    const int length = vertical ? widget->height() : widget->width();
    auto along = [&](int at) { return vertical ? QPoint(widget->width() / 2, at) : QPoint(at, widget->height() / 2); };
    if (code == "lineleft" || code == "lineright" || code == "pageleft" || code == "pageright") {
      const int arrow = std::min(widget->width(), widget->height());
      const bool right = code.ends_with("right");
      const bool page = code.starts_with("page");
      int at = page ? (right ? length - arrow - 4 : arrow + 4) : (right ? length - arrow / 2 : arrow / 2);
      QTest::mouseClick(widget, Qt::LeftButton, {}, along(at));
    } else if (code != "endscroll") {
      Fail(action, "scroll " + code + " is not played here");
    }
  } else if (verb == "tab") {
    auto* tabs = dynamic_cast<TabControl*>(widget);
    QTest::mouseClick(&tabs->Bar(), Qt::LeftButton, {}, tabs->Bar().tabRect(Number(action, 1)).center());
  } else {
    Fail(action, "\"" + verb + "\" is not played here");
  }
}

}  // namespace topodlg::gui
