#include "dialogs/media/album_file.h"

#include "platform/text_file.h"

namespace topodlg {
namespace {

// Months 10 to 12 and hours 10 to 23 take one letter each, so the name keeps
// eight characters.
CString OneCharacter(int value) {
  if (value < 10) return CString::Formatted("%d", value);
  return CString(static_cast<char>('A' + value - 10), 1);
}

// A field that readers split at blanks must not hold one; a line break would
// end the entry early.
CString Field(CString text, bool blankFree) {
  text.Replace("\r", "");
  text.Replace("\n", "");
  if (blankFree) text.Replace(" ", "　");
  return text;
}

// The text after `from` up to the next blank (all of it when there is none);
// `from` moves past that blank, or to the end.
CString NextField(const CString& line, int& from) {
  if (from > line.GetLength()) return {};
  int blank = line.Find(' ', from);
  CString field = blank < 0 ? line.Mid(from) : line.Mid(from, blank - from);
  from = blank < 0 ? line.GetLength() + 1 : blank + 1;
  return field;
}

}  // namespace

CString AlbumName(const std::tm& local) {
  CString year = CString::Formatted("%04d", local.tm_year + 1900);
  return year.Right(2) + OneCharacter(local.tm_mon + 1) + CString::Formatted("%02d", local.tm_mday) +
         OneCharacter(local.tm_hour) + CString::Formatted("%02d", local.tm_min);
}

CString AlbumPath(const CString& dataDirectory, const CString& albumName) {
  return dataDirectory + "Album\\" + albumName + ".alb";
}

std::tm MinutesLater(const std::tm& local, int minutes) {
  // Calendar arithmetic only: the fields are normalised as if the time were
  // universal, so a change of summer time cannot skip or repeat a minute.
  std::tm later = local;
  later.tm_min += minutes;
  later.tm_isdst = 0;
  ::timegm(&later);
  return later;
}

CString FreeAlbumName(const CString& dataDirectory, const std::tm& local) {
  constexpr int kMinutesOfADay = 24 * 60;
  for (int minutes = 0; minutes < kMinutesOfADay; ++minutes) {
    CString name = AlbumName(MinutesLater(local, minutes));
    if (!FileExists(AlbumPath(dataDirectory, name))) return name;
  }
  return {};
}

CString FormatAlbumEntry(const CString& memo1, const CString& latitude, const CString& longitude,
                         const CString& memo2, const CString& imageFile, const CString& textFile) {
  CString line = Field(memo1, true) + " " + Field(latitude, true) + " " + Field(longitude, true) + " " +
                 Field(memo2, true) + " ";
  const CString image = Field(imageFile, false), text = Field(textFile, false);
  if (!image.IsEmpty() && !text.IsEmpty()) return line + image + " " + text;
  return line + (image.IsEmpty() ? text : image);
}

AlbumEntry ParseAlbumEntry(const CString& line) {
  AlbumEntry entry;
  int from = 0;
  entry.memo1 = NextField(line, from);
  entry.latitude = NextField(line, from);
  entry.longitude = NextField(line, from);
  entry.memo2 = NextField(line, from);
  if (from <= line.GetLength()) {
    entry.firstFile = NextField(line, from);
    if (from <= line.GetLength()) entry.secondFile = line.Mid(from);
  }
  return entry;
}

bool WriteAlbumEntry(const CString& albumPath, const CString& line, bool firstEntry) {
  if (firstEntry) return WriteFileWhole(albumPath, line.str() + "\r\n");
  // An album whose last line lost its line end (in a person's editor) gets
  // one from the write path first.
  return AppendLineCrLf(albumPath, line);
}

std::vector<CString> ReadAlbumLines(const CString& albumPath) {
  std::vector<CString> lines;
  LineReader reader(albumPath);
  CString line;
  while (static_cast<int>(lines.size()) < kAlbumMaxEntries && reader.ReadLineCut(line, kAlbumLineLimit)) {
    if (line.IsEmpty() || line.GetAt(0) == ';' || line.GetAt(0) == 'M') continue;
    lines.push_back(line);
  }
  return lines;
}

CString AlbumListRow(const AlbumEntry& entry) { return entry.memo1 + "#" + entry.memo2; }

CString HeldAlbumEntry(const AlbumEntry& entry) {
  CString held = AlbumListRow(entry) + "@" + entry.firstFile + "$" + entry.latitude + "$" + entry.longitude;
  if (!entry.secondFile.IsEmpty()) held += "$" + entry.secondFile;
  return held;
}

TextAndImage SplitTextAndImage(const AlbumEntry& entry) {
  const CString first = ToLower(entry.firstFile);
  for (const char* extension : {".bmp", ".jpg", ".gif", ".pcd", ".pic"}) {
    if (first.Find(extension) >= 0) return {entry.secondFile, entry.firstFile};
  }
  return {entry.firstFile, entry.secondFile};
}

}  // namespace topodlg
