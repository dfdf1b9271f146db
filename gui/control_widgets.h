// Widgets for the controls that Qt has no ready equivalent for: the layer a
// recorded drawing is painted on, the owner-drawn button, the list box and the
// simple combo box that leave their selection to the control model, and the
// tab control whose pages are separate dialogs.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QWidget>
#include <functional>

namespace topodlg::gui {

// Covers its parent and paints whatever the dialog drew into it; clicks go
// through to the control underneath.
class DrawingLayer : public QWidget {
 public:
  using Painter = std::function<void(QPainter&)>;
  explicit DrawingLayer(QWidget* parent);
  void SetPainter(Painter painter);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Painter m_painter;
};

// A button that draws nothing itself: its owner paints it (through its drawing
// layer). It still clicks and takes the focus like any button.
class OwnerDrawnButton : public QAbstractButton {
 public:
  using QAbstractButton::QAbstractButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A list box that leaves its selection to the control model: a click chooses
// the item under the pointer (also when it is already chosen, as a list box
// notifies), a double click chooses it again and double-clicks it, and the
// arrow keys choose the item they move to.
class ListBox : public QListWidget {
 public:
  using Chooser = std::function<void(int row, bool doubleClick)>;
  using QListWidget::QListWidget;
  void SetChooser(Chooser chooser) { m_chooser = std::move(chooser); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Choose(QMouseEvent* event, bool doubleClick);

  Chooser m_chooser;
};

// A combo box of the simple kind: an edit field with its list always open
// beneath it, filling the control's rectangle. The field holds the focus, also
// when the list is clicked, and its arrow and page keys choose in the list.
class SimpleComboBox : public QWidget {
 public:
  SimpleComboBox(int fieldHeight, QWidget* parent);
  QLineEdit& Field() { return *m_field; }
  ListBox& List() { return *m_list; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int m_fieldHeight;
  QLineEdit* m_field;
  ListBox* m_list;
};

// A row of tabs over a framed pane. The pages are dialogs of their own that the
// owner places in DisplayRect().
class TabControl : public QWidget {
 public:
  explicit TabControl(QWidget* parent);
  QTabBar& Bar() { return *m_bar; }
  // Where a page goes, in this control's coordinates.
  QRect DisplayRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int BarHeight() const;

  QTabBar* m_bar;
};

}  // namespace topodlg::gui
