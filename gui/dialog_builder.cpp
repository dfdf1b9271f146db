#include "gui/dialog_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <algorithm>

#include "gui/control_widgets.h"
#include "gui/font_map.h"
#include "gui/qt_text.h"

namespace topodlg::gui {
namespace {

QWidget* CreateStatic(const ControlTemplate& control, QWidget* parent) {
  uint32_t type = control.style & style::kStaticTypeMask;
  if (type == style::kStaticOwnerDraw) return new QWidget(parent);  // a canvas the dialog paints
  auto* label = new QLabel(ToQString(control.text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  Qt::Alignment horizontal = type == style::kStaticCenter  ? Qt::AlignHCenter
                             : type == style::kStaticRight ? Qt::AlignRight
                                                           : Qt::AlignLeft;
  label->setAlignment(horizontal | Qt::AlignTop);
  if (control.Has(style::kStaticSunken)) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  else if (control.Has(style::kBorder)) label->setFrameStyle(QFrame::Box | QFrame::Plain);
  return label;
}

QWidget* CreateEdit(const ControlTemplate& control, QWidget* parent) {
  if (control.Has(style::kEditMultiline)) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(control.Has(style::kEditReadOnly));
    edit->setLineWrapMode(control.Has(style::kHScroll) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    edit->setTabChangesFocus(true);
    return edit;
  }
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(control.Has(style::kEditReadOnly));
  if (control.Has(style::kEditPassword)) edit->setEchoMode(QLineEdit::Password);
  if (control.Has(style::kEditNumber)) {
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  }
  return edit;
}

QPushButton* CreatePushButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  // Enter is the dialog's business (its default command), never the button's.
  button->setAutoDefault(false);
  return button;
}

QWidget* CreateButton(const ControlTemplate& control, QWidget* parent) {
  QString text = ToQString(control.text);
  switch (control.kind) {
    case ControlKind::Check:
      if (control.Has(style::kPushLike)) break;
      {
        auto* box = new QCheckBox(text, parent);
        uint32_t type = control.ButtonType();
        box->setTristate(type == style::k3State || type == style::kAuto3State);
        return box;
      }
    case ControlKind::Radio:
      if (control.Has(style::kPushLike)) break;
      {
        // The control model clears the other buttons of the group.
        auto* radio = new QRadioButton(text, parent);
        radio->setAutoExclusive(false);
        return radio;
      }
    default:
      if (control.ButtonType() == style::kOwnerDraw) return new OwnerDrawnButton(parent);
      {
        QPushButton* button = CreatePushButton(text, parent);
        button->setDefault(control.ButtonType() == style::kDefPushButton);
        return button;
      }
  }
  QPushButton* pushLike = CreatePushButton(text, parent);
  pushLike->setCheckable(true);
  return pushLike;
}

// A selection field, and the edit field of a combo box: as tall as a line of
// the font and its frame.
int FieldHeight(const QFont& font) { return QFontMetrics(font).height() + 8; }

bool IsSimpleCombo(const ControlTemplate& control) {
  return control.kind == ControlKind::Combo && (control.style & style::kComboTypeMask) == style::kComboSimple;
}

QWidget* CreateCombo(const ControlTemplate& control, QWidget* parent) {
  if (IsSimpleCombo(control)) return new SimpleComboBox(FieldHeight(parent->font()), parent);
  auto* combo = new QComboBox(parent);
  combo->setEditable((control.style & style::kComboTypeMask) != style::kComboDropDownList);
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

QWidget* CreateList(const ControlTemplate& control, QWidget* parent) {
  auto* list = new ListBox(parent);
  list->setSelectionMode(control.Has(style::kListMultiple)   ? QAbstractItemView::MultiSelection
                         : control.Has(style::kListExtended) ? QAbstractItemView::ExtendedSelection
                                                             : QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(control.Has(style::kHScroll) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  return list;
}

QWidget* CreateWidget(const ControlTemplate& control, QWidget* parent) {
  switch (control.kind) {
    case ControlKind::Static: return CreateStatic(control, parent);
    case ControlKind::Edit: return CreateEdit(control, parent);
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Radio: return CreateButton(control, parent);
    case ControlKind::Group: {
      auto* group = new QGroupBox(ToQString(control.text), parent);
      // A group box only frames its neighbours; clicks inside it are theirs.
      group->setAttribute(Qt::WA_TransparentForMouseEvents);
      return group;
    }
    case ControlKind::Combo: return CreateCombo(control, parent);
    case ControlKind::List: return CreateList(control, parent);
    case ControlKind::Tab: return new TabControl(parent);
    case ControlKind::ScrollBar:
      return new QScrollBar(control.Has(style::kScrollVert) ? Qt::Vertical : Qt::Horizontal, parent);
  }
  return new QWidget(parent);
}

Qt::FocusPolicy FocusPolicyOf(const ControlTemplate& control) {
  if (control.kind == ControlKind::Static || control.kind == ControlKind::Group) return Qt::NoFocus;
  return control.Has(style::kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

// The template height of a combo box includes its list: a simple combo box
// shows it always and fills the rectangle, the others are as tall as their
// closed field.
QRect ComboGeometry(const ControlTemplate& control, QRect rect, const QFont& font) {
  if (!IsSimpleCombo(control)) rect.setHeight(std::min(rect.height(), FieldHeight(font)));
  return rect;
}

}  // namespace

DialogUnits UnitsOf(const DialogTemplate& dialog) {
  return DialogUnits(DialogFont(dialog.fontFace, dialog.fontSize));
}

std::vector<ControlWidget> LayOutTemplate(const DialogTemplate& dialog, QWidget& surface) {
  QFont font = DialogFont(dialog.fontFace, dialog.fontSize);
  DialogUnits units(font);
  surface.setFont(font);
  surface.setWindowTitle(ToQString(dialog.caption));
  surface.setFixedSize(units.SizeToPixels(dialog.cx, dialog.cy));

  std::vector<ControlWidget> built;
  built.reserve(dialog.controls.size());
  QWidget* previousStop = nullptr;
  for (const ControlTemplate& control : dialog.controls) {
    QWidget* widget = CreateWidget(control, &surface);
    widget->setObjectName(QStringLiteral("control%1").arg(control.id));
    QRect rect = units.RectToPixels(control.x, control.y, control.cx, control.cy);
    widget->setGeometry(control.kind == ControlKind::Combo ? ComboGeometry(control, rect, font) : rect);
    widget->setFocusPolicy(FocusPolicyOf(control));
    // A control made of several widgets takes the focus in the one it forwards to.
    if (QWidget* proxy = widget->focusProxy()) proxy->setFocusPolicy(widget->focusPolicy());
    widget->setEnabled(!control.Has(style::kDisabled));
    widget->setVisible(control.Has(style::kVisible));
    if (widget->focusPolicy() == Qt::StrongFocus) {
      if (previousStop) QWidget::setTabOrder(previousStop, widget);
      previousStop = widget;
    }
    built.push_back({&control, widget});
  }
  // Group boxes stay beneath the controls they frame, whatever the template order.
  for (const ControlWidget& entry : built) {
    if (entry.control->kind == ControlKind::Group) entry.widget->lower();
  }
  return built;
}

}  // namespace topodlg::gui
