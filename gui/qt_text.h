// Texts between the library (code page 932 bytes) and Qt (UTF-16).
#pragma once

#include <QString>
#include <optional>

#include "platform/codepage.h"
#include "platform/cstring.h"

namespace topodlg::gui {

inline QString ToQString(const CString& text) { return QString::fromStdString(ToUtf8(text)); }

// Nothing when the text holds a character that code page 932 cannot hold.
inline std::optional<CString> ToCString(const QString& text) {
  return Utf8ToCp932(text.toStdString());
}

}  // namespace topodlg::gui
