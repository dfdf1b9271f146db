// Regional place-name files: one text file per map, in the folder Local20 of
// the data directory, named after the map file (extension .lsn), one place-name
// record per line. The library only names, counts and creates them; the host
// writes the records. No user interface here.
#pragma once

#include "platform/cstring.h"

namespace topodlg {

// Records of a regional file are read with this byte limit. Counting does not
// cut lines: a longer line is still one record (see CountPlaceNameLines).
constexpr int kPlaceNameLineLimit = 498;

// The four characters that stand before the first "." of the map file's name
// (the part after its last "\" or "/"). A name without "." gives the last four
// characters of the whole name; fewer than four characters give those there
// are, so "ab.mem" gives "ab". "" when the name has none before its ".".
CString RegionalPlaceNameKey(const CString& mapFile);

// data directory + "Local20\" + key + ".lsn", all in lower case; "" when the map
// file gives no key (an empty key would name the same file for every map).
CString RegionalPlaceNamePath(const CString& dataDirectory, const CString& mapFile);

// The number of lines of the file: every LF ends one, and a last line without
// LF counts too. A line over the record limit still counts once, so the count
// is always the number of records the host finds. One pass over the bytes, in
// blocks: huge or binary files cost their size and no more. A missing or
// unreadable file, or one that is not a regular file, counts 0.
int CountPlaceNameLines(const CString& path);

enum class CreateResult {
  Existed,  // the file was there already (readable or not): left untouched
  Created,  // a new empty file was made
  Failed,   // it could not be made (e.g. its folder is missing)
};
// Makes an empty file where none exists. An existing file that cannot be read
// is never replaced: its records would be lost.
CreateResult CreateEmptyFileIfMissing(const CString& path);

}  // namespace topodlg
