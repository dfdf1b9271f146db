// Routines that several dialogs share: the external editor and the file picker.
#pragma once

#include "platform/cstring.h"

namespace topodlg {

// Starts the external editor `program` (a path, optionally with its own
// options) on `file` and waits until it ends. An empty file starts nothing; a
// program that cannot be started is ignored. Nothing is reported to the user.
void RunEditorAndWait(const CString& program, const CString& file);

// Beeps and lets the user pick an existing file; `filter` is followed by the
// "All files" choice. Returns the path in lower case, or "" when cancelled.
CString BrowseForFile(const CString& defaultExtension, const CString& initialName, const CString& filter);

}  // namespace topodlg
