// The library's file-dialog filters ("description|pattern;pattern|...||") as Qt
// name filters.
#pragma once

#include <QStringList>

#include "platform/cstring.h"

namespace topodlg::gui {

// One Qt filter per description and pattern pair, in order. Patterns match
// without regard to letter case as Windows matches them ("*.trk" finds
// "TAKAO.TRK"), and "*.*" finds every file, names without a dot included. The
// file dialog hides the pattern part, so the person sees the descriptions as
// the library wrote them.
QStringList NameFilters(const CString& filter);

}  // namespace topodlg::gui
