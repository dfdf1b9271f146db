// Changes to the colour schemes in the data directory: updating a scheme file,
// registering a new scheme, deleting one with the renumbering of the files after
// it. After a failure `failedPath` names the file that could not be written,
// renamed or removed, for the file-error report.
#pragma once

#include <vector>

#include "dialogs/appearance/color_scheme_files.h"
#include "platform/cstring.h"

namespace topodlg {

// The file of the scheme listed at a position: "Orbis%d.plt" numbered position + 1.
CString NumberedSchemeFile(int number);

// Rewrites a scheme file whole (a missing file is created, so an edit is never
// lost because the file went away behind the dialog's back).
bool SaveSchemeFile(const CString& path, const CString& name, const SwatchColours& colours);

// The file name for a new scheme: "Orbis%d.plt" numbered one past the count of
// listed files whose name contains "orbis" in any letter case. The files the
// dialog makes are numbered without gaps, so that name is free; a file of that
// name left behind (or listed by a hand-edited index) is emptied by the
// registration.
CString NewSchemeFileName(const std::vector<SchemeEntry>& schemes);

// Writes the new scheme's file (create mode) and appends its line to the index,
// creating the index when it is missing (a first registration in an empty data
// directory). When the append fails, the new file is removed again.
bool RegisterScheme(const CString& dataDir, const SchemeEntry& scheme, const SwatchColours& colours,
                    CString& failedPath);

// Deletes the scheme at `position` of `schemes`: removes its file, renames the
// file of each later scheme at position i from number i + 1 to number i, and
// rewrites the index whole with the remaining schemes. On success `schemes`
// holds the remaining schemes with their new file names. A removal or rename
// that fails ends the deletion there (the files already removed or renamed
// stay so) and the index is not rewritten; when the index cannot be written,
// every file is put back as it was.
bool DeleteScheme(const CString& dataDir, std::vector<SchemeEntry>& schemes, int position,
                  CString& failedPath);

}  // namespace topodlg
