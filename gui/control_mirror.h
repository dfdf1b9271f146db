// The control model shown in widgets: each control's text, check state, items,
// selection, range, enabled and visible state, copied into the widget that
// LayOutTemplate made for it. Only what differs is touched, so a refresh keeps
// the cursor of an edit and the scroll position of a list.
#pragma once

#include <QWidget>

#include "platform/window.h"

namespace topodlg::gui {

void ShowControl(const CWnd& control, QWidget& widget);

// Edits hold CR LF line ends in the model and plain line feeds in Qt.
QString ToWidgetText(const CString& modelText);
std::optional<CString> ToModelText(const QString& widgetText);

}  // namespace topodlg::gui
