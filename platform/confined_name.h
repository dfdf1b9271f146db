// Names that data files give for other files of the data directory (the
// scheme index names its scheme files so). Data files come from other people
// (shared data sets), so such a name must never reach outside the folder it
// is relative to: a name that tries reads as a missing file and is never
// written, renamed or removed.
#pragma once

#include "platform/cstring.h"

namespace topodlg {

// True for a relative name that stays inside its folder: not empty, no drive
// ("X:", or any ":"), not starting with "\" or "/", and no part that is ".."
// (nor dots and blanks only, which the original platform reads as "..").
bool IsConfinedName(const CString& name);

// folder + name when the name is confined, else "" (no file at all).
CString ConfinedPath(const CString& folder, const CString& name);

}  // namespace topodlg
