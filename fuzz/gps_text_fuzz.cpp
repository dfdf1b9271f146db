// GPS track files: the header scan and summary of every type, and the point
// lines the point editor reads and writes back.
#include <cstring>

#include "dialogs/tracks/gps_text.h"
#include "fuzz/fuzz_support.h"

using namespace topodlg;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* const kTypes[] = {"trk", "pot", "rot", "log", "gdb"};
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const char* type = kTypes[size % 5];
  const std::string path = fuzz::ScratchFolder() + "/track." + type;
  if (!fuzz::WriteBytes(path, bytes)) return 0;

  const int number = size > 4 ? static_cast<int>(static_cast<uint32_t>(data[0]) << 24 | data[1] << 16 | data[2] << 8 | data[3]) : 0;
  for (TrackDialogKind kind : {TrackDialogKind::Select, TrackDialogKind::Update}) {
    TrackSummary summary = SummarizeTrack(CString(path), number, number ^ 0x5555, kind);
    fuzz::Check(summary.outcome == TrackSummary::Outcome::Shown, "a regular file is summarised");
    for (const CString* field : {&summary.name, &summary.datum, &summary.date, &summary.start, &summary.format}) {
      fuzz::Check(std::memchr(field->c_str(), '\0', static_cast<size_t>(field->GetLength())) == nullptr,
                  "no NUL inside a summary field");
    }
  }
  ScanTrackHeader(CString(path), type, "Tokyo", "name", "DMS");

  // Each line as a point line of each type, written back after an edit.
  size_t start = 0;
  for (int lines = 0; lines < 16 && start <= size; ++lines) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = size;
    const CString line(bytes.substr(start, end - start));
    for (const char* pointType : kTypes) {
      TrackPoint read = ReadTrackPoint(pointType, line);
      TrackPoint edited = read;
      edited.altitude += "1";
      RewriteTrackPoint(pointType, read, edited);
      PointEditorLabelsFor(pointType, static_cast<int>(end - start));
    }
    TrackDefaultsForPath(ToLower(line), number, lines % 2 ? TrackDialogKind::Select : TrackDialogKind::Update);
    start = end + 1;
  }
  return 0;
}
