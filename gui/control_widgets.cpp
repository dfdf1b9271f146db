#include "gui/control_widgets.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QStylePainter>
#include <algorithm>

namespace topodlg::gui {

DrawingLayer::DrawingLayer(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(parent->rect());
  parent->installEventFilter(this);
}

void DrawingLayer::SetPainter(Painter painter) {
  m_painter = std::move(painter);
  update();
}

void DrawingLayer::paintEvent(QPaintEvent*) {
  if (!m_painter) return;
  QPainter painter(this);
  m_painter(painter);
}

bool DrawingLayer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return false;
}

void OwnerDrawnButton::paintEvent(QPaintEvent*) {}

void ListBox::Choose(QMouseEvent* event, bool doubleClick) {
  if (event->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  int row = indexAt(event->position().toPoint()).row();
  if (row >= 0 && m_chooser) m_chooser(row, doubleClick);
}

void ListBox::mousePressEvent(QMouseEvent* event) { Choose(event, false); }
void ListBox::mouseDoubleClickEvent(QMouseEvent* event) { Choose(event, true); }
void ListBox::mouseMoveEvent(QMouseEvent*) {}  // no drag selection

void ListBox::keyPressEvent(QKeyEvent* event) {
  int before = currentRow();
  QListWidget::keyPressEvent(event);
  if (currentRow() != before && currentRow() >= 0 && m_chooser) m_chooser(currentRow(), false);
}

SimpleComboBox::SimpleComboBox(int fieldHeight, QWidget* parent)
    : QWidget(parent), m_fieldHeight(fieldHeight), m_field(new QLineEdit(this)), m_list(new ListBox(this)) {
  setFocusProxy(m_field);
  m_list->setFocusPolicy(Qt::NoFocus);
  m_list->setFocusProxy(m_field);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_field->installEventFilter(this);
}

void SimpleComboBox::resizeEvent(QResizeEvent*) {
  const int field = std::min(m_fieldHeight, height());
  m_field->setGeometry(0, 0, width(), field);
  m_list->setGeometry(0, field, width(), height() - field);
}

bool SimpleComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_field || event->type() != QEvent::KeyPress) return false;
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      QApplication::sendEvent(m_list, event);
      return true;
    default: return false;
  }
}

TabControl::TabControl(QWidget* parent) : QWidget(parent), m_bar(new QTabBar(this)) {
  m_bar->setDrawBase(false);
  m_bar->setExpanding(false);
  m_bar->setUsesScrollButtons(true);
}

int TabControl::BarHeight() const { return m_bar->sizeHint().height(); }

QRect TabControl::DisplayRect() const {
  // Inside the pane's frame, as the Windows tab control adjusts its rectangle.
  constexpr int kFrame = 2;
  return rect().adjusted(kFrame, BarHeight() + kFrame, -kFrame, -kFrame);
}

void TabControl::resizeEvent(QResizeEvent*) {
  m_bar->setGeometry(0, 0, width(), BarHeight());
}

void TabControl::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame pane;
  pane.initFrom(this);
  pane.rect = rect().adjusted(0, BarHeight() - 1, 0, 0);
  pane.tabBarSize = m_bar->size();
  pane.shape = QTabBar::RoundedNorth;
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, pane);
}

}  // namespace topodlg::gui
