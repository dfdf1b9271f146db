#include "gui/dialog_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "gui/control_mirror.h"
#include "gui/control_widgets.h"
#include "gui/dialog_builder.h"
#include "gui/drawing_painter.h"
#include "gui/qt_text.h"
#include "platform/user_input.h"

namespace topodlg::gui {
namespace {

// The scroll code of a scroll bar action; -1 for none.
int ScrollCode(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return SB_LINELEFT;
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINERIGHT;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGELEFT;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGERIGHT;
    case QAbstractSlider::SliderToMinimum: return SB_LEFT;
    case QAbstractSlider::SliderToMaximum: return SB_RIGHT;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: return -1;
  }
}

// Shows a recorded drawing over `widget` (or, for a dialog's own painting,
// beneath its controls), creating the layer the first time.
void ShowDrawing(const std::optional<Drawing>& drawing, QWidget& widget, DrawingLayer*& layer, bool beneath) {
  if (!drawing) return;
  if (!layer) {
    layer = new DrawingLayer(&widget);
    if (beneath) {
      layer->lower();
    } else {
      layer->raise();
    }
    layer->show();
  }
  layer->SetPainter([copy = *drawing](QPainter& painter) { PaintDrawing(painter, copy); });
}

}  // namespace

DialogView::DialogView(CDialog& dialog, QWidget* owner, bool interactive)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_dialog(dialog),
      m_interactive(interactive) {
  if (const DialogTemplate* layout = dialog.Template()) AddSurface(dialog, *this, LayOutTemplate(*layout, *this));
  if (m_interactive) {
    setWindowModality(Qt::ApplicationModal);
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
      if (m_refreshing || !isVisible()) return;
      const Bound* bound = BoundTo(now);
      if (!bound) return;
      auto [owner, id] = m_dialog.Focus();
      if (owner == bound->owner && id == bound->control->GetDlgCtrlID()) return;
      Act([bound] { user::Focus(*bound->owner, *bound->control); });
    });
  }
}

// The widgets that go with the view give up the focus on their way out; the
// dialog must not hear of that.
DialogView::~DialogView() { disconnect(m_focusWatch); }

DialogView::Surface& DialogView::AddSurface(CDialog& dialog, QWidget& widget, const std::vector<ControlWidget>& built) {
  auto surface = std::make_unique<Surface>();
  surface->dialog = &dialog;
  surface->widget = &widget;
  // The model holds the controls in template order, as they were laid out.
  const auto& controls = dialog.Controls();
  const size_t count = std::min(controls.size(), built.size());
  surface->controls.reserve(count);
  for (size_t i = 0; i < count; ++i) surface->controls.push_back({&dialog, controls[i].get(), built[i].widget, nullptr});
  for (Bound& bound : surface->controls) {
    m_byWidget.insert(bound.widget, &bound);
    if (m_interactive) ConnectInput(bound);
  }
  m_surfaces.push_back(std::move(surface));
  return *m_surfaces.back();
}

void DialogView::ConnectInput(Bound& bound) {
  CDialog& owner = *bound.owner;
  CWnd& control = *bound.control;
  QWidget* widget = bound.widget;
  auto type = [this, &owner, &control](const QString& text) {
    // A character code page 932 cannot hold is refused: the refresh puts the
    // model's text back.
    if (auto converted = ToModelText(text)) {
      Act([&owner, &control, converted] { user::Type(owner, control, *converted); });
    } else {
      Refresh();
    }
  };

  auto choose = [this, &owner, &control](int row, bool doubleClick) {
    Act([&owner, &control, row, doubleClick] { user::Select(owner, control, row, doubleClick); });
  };

  if (auto* list = dynamic_cast<ListBox*>(widget)) {
    list->SetChooser(choose);
  } else if (auto* simpleCombo = dynamic_cast<SimpleComboBox*>(widget)) {
    simpleCombo->List().SetChooser(choose);
    connect(&simpleCombo->Field(), &QLineEdit::textEdited, this, type);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    connect(combo, &QComboBox::activated, this, [this, &owner, &control](int index) {
      Act([&owner, &control, index] { user::Select(owner, control, index); });
    });
    if (QLineEdit* field = combo->lineEdit()) connect(field, &QLineEdit::textEdited, this, type);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    connect(edit, &QLineEdit::textEdited, this, type);
  } else if (auto* multiline = qobject_cast<QPlainTextEdit*>(widget)) {
    connect(multiline, &QPlainTextEdit::textChanged, this, [this, multiline, type] {
      if (!m_refreshing) type(multiline->toPlainText());
    });
  } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
    connect(bar, &QScrollBar::actionTriggered, this, [this, bar, &owner, &control](int action) {
      int code = ScrollCode(action);
      if (code < 0) return;
      int pos = bar->sliderPosition();
      Act([&owner, &control, code, pos] {
        user::Scroll(owner, control, code, pos);
        // A step or a page ends the scrolling at once; the thumb ends at its release.
        if (code != SB_THUMBTRACK) user::Scroll(owner, control, SB_ENDSCROLL, 0);
      });
    });
    connect(bar, &QScrollBar::sliderReleased, this, [this, bar, &owner, &control] {
      int pos = bar->sliderPosition();
      Act([&owner, &control, pos] {
        user::Scroll(owner, control, SB_THUMBPOSITION, pos);
        user::Scroll(owner, control, SB_ENDSCROLL, 0);
      });
    });
  } else if (auto* tabs = dynamic_cast<TabControl*>(widget)) {
    connect(&tabs->Bar(), &QTabBar::currentChanged, this, [this, &owner, &control](int index) {
      if (m_refreshing || index < 0) return;
      Act([&owner, &control, index] { user::SwitchTab(owner, control, index); });
    });
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, &owner, &control] {
      Act([&owner, &control] { user::Click(owner, control); });
    });
  }
}

void DialogView::Act(const std::function<void()>& action) {
  if (m_acting || m_refreshing || m_dialog.IsEnded()) return;
  m_acting = true;
  action();
  m_acting = false;
  Refresh();
  if (m_dialog.IsEnded()) m_loop.quit();
}

void DialogView::RunUntilEnded(const std::function<void(DialogView&)>& shown) {
  Refresh();
  // A dialog that placed itself on the screen opens there.
  if (const std::optional<CPoint>& at = m_dialog.ScreenPosition()) move(at->x, at->y);
  show();
  raise();
  activateWindow();
  if (shown) shown(*this);
  if (!m_dialog.IsEnded()) m_loop.exec(QEventLoop::DialogExec);
  hide();
}

void DialogView::Refresh() {
  if (m_refreshing) return;
  m_refreshing = true;
  m_dialog.PaintInvalidated();
  SyncPages();
  for (auto& surface : m_surfaces) ShowSurface(*surface);
  // The tab control may have received its tabs only now, which sets the
  // height of its bar: the pages follow its display area.
  for (size_t i = 1; i < m_surfaces.size(); ++i) PlacePage(*m_surfaces[i]);
  QString title = ToQString(m_dialog.GetWindowText());
  if (windowTitle() != title) setWindowTitle(title);
  ShowFocus();
  m_refreshing = false;
}

void DialogView::SyncPages() {
  const std::vector<CDialog*>& pages = m_dialog.Pages();
  for (size_t i = 1; i < m_surfaces.size();) {
    if (std::find(pages.begin(), pages.end(), m_surfaces[i]->dialog) == pages.end()) {
      Forget(*m_surfaces[i]->dialog);
    } else {
      ++i;
    }
  }
  for (CDialog* page : pages) {
    bool known = std::any_of(m_surfaces.begin(), m_surfaces.end(), [page](const auto& s) { return s->dialog == page; });
    if (known || !page->Template()) continue;
    auto widget = std::make_unique<QWidget>(this);
    Surface& surface = AddSurface(*page, *widget, LayOutTemplate(*page->Template(), *widget));
    surface.ownedWidget = std::move(widget);
    PlacePage(surface);
  }
}

void DialogView::Forget(const CDialog& page) {
  for (size_t i = 1; i < m_surfaces.size(); ++i) {
    if (m_surfaces[i]->dialog != &page) continue;
    for (const Bound& bound : m_surfaces[i]->controls) m_byWidget.remove(bound.widget);
    m_surfaces.erase(m_surfaces.begin() + static_cast<std::ptrdiff_t>(i));
    return;
  }
}

// A page shows in the display area of its dialog's tab control; a dialog with
// no tab control shows it at its template position.
void DialogView::PlacePage(Surface& page) {
  for (const Bound& bound : m_surfaces.front()->controls) {
    if (auto* tabs = dynamic_cast<TabControl*>(bound.widget)) {
      page.widget->move(tabs->geometry().topLeft() + tabs->DisplayRect().topLeft());
      page.widget->raise();
      return;
    }
  }
  const DialogTemplate* layout = page.dialog->Template();
  if (m_dialog.Template() && layout) {
    DialogUnits units = UnitsOf(*m_dialog.Template());
    page.widget->move(units.ToPixelsX(layout->x), units.ToPixelsY(layout->y));
  }
}

void DialogView::ShowSurface(Surface& surface) {
  if (surface.widget != this) {
    bool visible = surface.dialog->IsWindowVisible();
    if (surface.widget->isHidden() == visible) surface.widget->setVisible(visible);
  }
  ShowDrawing(surface.dialog->LastDrawing(), *surface.widget, surface.drawing, true);
  for (Bound& bound : surface.controls) {
    ShowControl(*bound.control, *bound.widget);
    ShowDrawing(bound.control->LastDrawing(), *bound.widget, bound.drawing, false);
  }
}

void DialogView::ShowFocus() {
  auto [owner, id] = m_dialog.Focus();
  if (!owner) return;
  for (const auto& surface : m_surfaces) {
    if (surface->dialog != owner) continue;
    for (const Bound& bound : surface->controls) {
      if (bound.control->GetDlgCtrlID() != id) continue;
      QWidget* focused = QApplication::focusWidget();
      bool has = focused && (focused == bound.widget || bound.widget->isAncestorOf(focused));
      if (!has && bound.widget->isEnabled() && bound.widget->focusPolicy() != Qt::NoFocus) {
        bound.widget->setFocus(Qt::OtherFocusReason);
      }
      return;
    }
  }
}

const DialogView::Bound* DialogView::BoundTo(QWidget* widget) const {
  for (QWidget* w = widget; w && w != this; w = w->parentWidget()) {
    if (auto it = m_byWidget.find(w); it != m_byWidget.end()) return it.value();
  }
  return nullptr;
}

QWidget* DialogView::WidgetFor(int id) const {
  for (const auto& surface : m_surfaces) {
    if (surface->widget != this && !surface->dialog->IsWindowVisible()) continue;
    for (const Bound& bound : surface->controls) {
      if (bound.control->GetDlgCtrlID() == id) return bound.widget;
    }
  }
  return nullptr;
}

void DialogView::keyPressEvent(QKeyEvent* event) {
  if (!m_interactive) return QDialog::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: Act([this] { user::Enter(m_dialog); }); break;
    case Qt::Key_Escape: Act([this] { user::Cancel(m_dialog); }); break;
    default: return QDialog::keyPressEvent(event);
  }
  event->accept();
}

// The close box is the cancel command; the dialog decides whether it ends.
void DialogView::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (m_interactive) Act([this] { user::Cancel(m_dialog); });
}

void DialogView::reject() {
  if (m_interactive) Act([this] { user::Cancel(m_dialog); });
}

}  // namespace topodlg::gui
