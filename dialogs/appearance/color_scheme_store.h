// Changes to the colour schemes in the data directory: updating a scheme file,
// registering a new scheme, deleting one with the renumbering of the files after
// it. After a failure `failedPath` names the file that could not be written,
// renamed or removed, for the file-error report.
//
// Each change holds the data directory's lock from reading the index to its
// last write, and works on the index as it is then (another window or process
// may have changed it since the dialog read it), so concurrent changes never
// lose one another. A change that fails leaves every file as it was: it never
// replaces or removes a file it did not make itself.
#pragma once

#include <vector>

#include "dialogs/appearance/color_scheme_files.h"
#include "platform/cstring.h"

namespace topodlg {

// The file of the scheme listed at a position: "Orbis%d.plt" numbered position + 1.
CString NumberedSchemeFile(int number);

// The file name for a new scheme: "Orbis%d.plt" numbered one past the count of
// listed files whose name contains "orbis" in any letter case.
CString NewSchemeFileName(const std::vector<SchemeEntry>& schemes);

// What the index cannot hold as a scheme name: an empty name, a "$" (the
// separator) or a line break, a ";" first (the terrain colouring dialog reads
// such a line as a comment), or a line (name "$" file) over the index's line
// limit, which would be cut on reading, file name and all.
enum class SchemeNameProblem { None, Empty, Separator, Comment, TooLong };
SchemeNameProblem CheckSchemeName(const CString& name, const CString& file);

enum class SchemeRegisterResult {
  Registered,
  LimitReached,  // the index lists 30 schemes
  NameTaken,     // a listed scheme has this name
  BadName,       // see `nameProblem`
  WriteFailed,   // see `failedPath`; nothing was changed
};
struct SchemeRegistration {
  SchemeRegisterResult result = SchemeRegisterResult::WriteFailed;
  SchemeNameProblem nameProblem = SchemeNameProblem::None;
  CString file;  // the new scheme's file
  CString failedPath;
};

// Registers a new scheme: its file takes the number NewSchemeFileName gives,
// or the next number that no file has and no listed scheme names (a new file
// never takes the name of one that exists). The file is made first, then the
// scheme's line goes right after the listed schemes (so it shows even when an
// empty line follows them), creating the index when it is missing. When the
// index cannot be read or written, the new file is removed again.
SchemeRegistration RegisterScheme(const CString& dataDir, const CString& name, const SwatchColours& colours);

// Rewrites the file of a listed scheme whole (a missing file is created, so
// an edit is never lost because the file went away behind the dialog's back).
// The scheme is looked up in the index as it is now, by name and file, else by
// name (another process may have renumbered it); a scheme no longer listed, or
// one whose file lies outside the data directory, is not written.
bool UpdateSchemeFile(const CString& dataDir, const SchemeEntry& scheme, const SwatchColours& colours,
                      CString& failedPath);

// Deletes the scheme that the dialog lists at `position` of `schemes`: removes
// its file, renames the file of each later scheme at position i from number
// i + 1 to number i (a later scheme whose file is not its numbered one keeps
// it, so no scheme ever gets another's colours), and rewrites the index with the remaining schemes (lines
// the dialog does not list, after an empty line or past the 30th, are kept).
// On success `schemes` holds the remaining schemes as the index now lists
// them. A removal, rename or index write that fails puts every file back and
// leaves the index as it was.
bool DeleteScheme(const CString& dataDir, std::vector<SchemeEntry>& schemes, int position, CString& failedPath);

}  // namespace topodlg
