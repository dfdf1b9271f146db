// Area and line files as the area dialogs read them: five groups of areas
// ("AreaDt00.trk" ... "AreaDt04.trk") and five of linear features
// ("Linear00.trk" ... "Linear04.trk") in the data directory, in the track text
// layout. Each record is one named area: a header line names it, a column line
// opens it and its first point line gives its start and date. No user
// interface here.
#pragma once

#include <vector>

#include "platform/cstring.h"

namespace topodlg {

// A file holds at most 519 records; the dialogs' record lists keep one more
// place for the end marker.
constexpr int kAreaRecordLimit = 519;
// The name boxes hold at most 512 names.
constexpr int kAreaNameLimit = 512;
// The end marker of the record lists.
constexpr const char* kAreaEndMarker = "999";

struct AreaRecord {
  CString descriptor;  // name, pattern (line kind) and colour text, single blanks between
  CString date;        // 18 characters from position 24 of the first point line
  CString start;       // 20 characters from position 3 of the first point line
};

// The area file of a group: data directory + "Linear" (linear flag 1) or
// "AreaDt", then the group in two digits and ".trk". A group outside 0..4 names
// a file the host never writes, which reads as a file without records.
CString AreaFilePath(const CString& dataDirectory, int linearFlag, int group);

// The records of an area file, at most 519. Lines are read in pieces of 199
// bytes, each piece counting as a line; reading stops once 519 records are
// complete, and the point lines after a record's first are only skipped, so the
// cost stays bounded whatever the file holds. A missing file has no records.
std::vector<AreaRecord> ReadAreaRecords(const CString& path);

// The record lists as the dialogs hold them: the records, then the end marker
// "999" in all three fields. An index past the end marker reads as an empty
// record (never a record of a file read before).
AreaRecord AreaRecordAt(const std::vector<AreaRecord>& records, int index);

// A record's descriptor split for showing: the name up to the first blank, the
// pattern between the first and the second blank, the colour after the second.
// With one blank the pattern is empty and the colour is everything after it;
// with none the name and the colour are both the whole descriptor.
struct AreaDescriptor {
  CString name;
  CString pattern;
  CString colour;
};
AreaDescriptor SplitAreaDescriptor(const CString& descriptor);

}  // namespace topodlg
