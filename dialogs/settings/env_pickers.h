// The two pickers of the environment settings pages: one for a folder (the
// elevation mesh folders), one for a program (editor, viewer, sibling program).
#pragma once

#include "platform/cstring.h"

namespace topodlg {

// Beeps and lets the user pick an existing file with `filter` followed by the
// mesh and data file choices; gives the folder of the pick, up to and
// including its last "\" ("" when it has none or the user cancels).
CString PickMeshFolder(const CString& defaultExtension, const CString& initialName, const CString& filter);

// Beeps and lets the user pick an existing "*.exe" with `filter` followed by
// "All files"; gives the full path in lower case, or "" when cancelled.
CString PickProgram(const CString& filter);

}  // namespace topodlg
