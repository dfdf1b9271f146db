#include "dialogs/areas/area_file.h"

#include "dialogs/tracks/gps_text.h"
#include "platform/text_file.h"

namespace topodlg {
namespace {

bool StartsWith(const CString& line, const char* prefix) { return line.view().starts_with(prefix); }

// Nearly every line of a large file is a point line: a plain byte search rules
// the word out fast, and only a hit is checked character by character (so the
// trail byte of a double-byte character never starts it).
bool HasColumnWord(const CString& line) {
  return line.view().find("LATITUDE") != std::string_view::npos && line.Find("LATITUDE") >= 0;
}

}  // namespace

CString AreaFilePath(const CString& dataDirectory, int linearFlag, int group) {
  return dataDirectory + (linearFlag == 1 ? "Linear" : "AreaDt") + CString::Formatted("%02d.trk", group);
}

std::vector<AreaRecord> ReadAreaRecords(const CString& path) {
  std::vector<AreaRecord> records;
  LineReader reader(path);
  CString line;
  CString header;          // the latest header text
  CString openDescriptor;  // the descriptor of the record a column line opened
  bool open = false;       // a column line waits for its first point line
  // Area files share the track files' line limit, but a longer line is read on
  // in pieces here: each piece is a line of its own.
  while (static_cast<int>(records.size()) < kAreaRecordLimit && reader.ReadLine(line, kGpsLineLimit)) {
    if (HasColumnWord(line)) {
      // The column line begins with "H  " too, but never names the area.
      open = true;
      openDescriptor = header;
    } else if (StartsWith(line, "H  ")) {
      header = line.Mid(3);
    } else if (StartsWith(line, "T  ") && open) {
      open = false;
      records.push_back({openDescriptor, line.Mid(24, 18), line.Mid(3, 20)});
    }
  }
  return records;
}

AreaRecord AreaRecordAt(const std::vector<AreaRecord>& records, int index) {
  const int count = static_cast<int>(records.size());
  if (index >= 0 && index < count) return records[static_cast<size_t>(index)];
  if (index == count) return {kAreaEndMarker, kAreaEndMarker, kAreaEndMarker};
  return {};
}

AreaDescriptor SplitAreaDescriptor(const CString& descriptor) {
  AreaDescriptor parts;
  const int first = descriptor.Find(' ');
  if (first < 0) {
    parts.name = descriptor;
    parts.colour = descriptor;
    return parts;
  }
  parts.name = descriptor.Left(first);
  const int second = descriptor.Find(' ', first + 1);
  if (second < 0) {
    parts.colour = descriptor.Mid(first + 1);
  } else {
    parts.pattern = descriptor.Mid(first + 1, second - first - 1);
    parts.colour = descriptor.Mid(second + 1);
  }
  return parts;
}

}  // namespace topodlg
