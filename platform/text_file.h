// Text files as the library reads them: lines read with a byte limit from
// regular files only. Writing goes through the write path (file_write.h).
#pragma once

#include <string>
#include <vector>

#include "platform/cstring.h"
#include "platform/file_write.h"
#include "platform/regular_file.h"

namespace topodlg {

// Reads a file line by line through a fixed buffer, so a huge file (or a huge
// line) costs no more memory than the limit of the lines asked for.
//
// - LF ends a line and a CR just before it is dropped; a last line without LF
//   is still a line.
// - A line longer than the limit comes in pieces of at most `limit` bytes
//   (ReadLine) or as its first piece with the rest skipped (ReadLineCut).
//   Pieces end on character boundaries: a double-byte character that does
//   not fit starts the next piece.
// - A line is a C string, as on the original platform: its text ends at the
//   first NUL byte (the bytes after it up to the line end are dropped, the
//   next line is read as usual), and a lead byte left without its second byte
//   at the end is dropped, so it can never swallow what the caller appends.
// - Only regular files are opened (a FIFO, device or folder reads as missing).
class LineReader {
 public:
  // Opens a library path (drive letters mapped to host folders).
  explicit LineReader(const CString& libraryPath);
  static LineReader FromHostPath(const std::string& hostPath);

  bool IsOpen() const { return static_cast<bool>(m_fd); }
  // False at the end of the file (or when it is not open).
  bool ReadLine(CString& line, int limit);
  // Reads one whole line but keeps only its first `limit` bytes: the rest of a
  // longer line is skipped (in blocks), so each line of the file is one line read.
  bool ReadLineCut(CString& line, int limit);
  // Reads on past the first line that ReadLineCut(line, limit) would give as
  // `text` (not empty); false when no line does. Lines that cannot match are
  // passed over at the speed of a byte search, so a huge file costs one read.
  bool SkipPastLine(const CString& text, int limit);
  // The file offset where the next line starts.
  long long Offset() const { return m_bufferStart + static_cast<long long>(m_pos); }

 private:
  explicit LineReader(UniqueFd fd) : m_fd(std::move(fd)) {}
  // Makes at least `count` bytes available from m_pos; false at the end of the file.
  bool Fill(size_t count);
  void SkipRestOfLine();

  UniqueFd m_fd;
  std::vector<char> m_buffer;
  size_t m_pos = 0;
  size_t m_end = 0;
  long long m_bufferStart = 0;  // file offset of m_buffer[0]
  bool m_eof = false;
  bool m_lineContinues = false;  // the last piece read ended before its line did
};

// The text a LineReader gives (ReadLineCut) for a line holding `text`: its
// first `limit` bytes cut on a character boundary, ended at a NUL, without a
// lead byte left alone at its end. Compare a text with lines read so.
CString LineAsRead(const CString& text, int limit);

// Reads every line of a file with the given limit; a missing file gives none.
std::vector<CString> ReadAllLines(const CString& libraryPath, int limit);

// The whole content of a regular file, or false when it cannot be read.
bool ReadFileBytes(const CString& libraryPath, std::string& bytes);

// True when the path names a regular file (a folder, FIFO or device does not count).
bool FileExists(const CString& libraryPath);
// True when anything at all has that name (a file, folder, FIFO, or a link,
// even one that leads nowhere): a new file must not take it.
bool NameIsTaken(const CString& libraryPath);
// Opens a regular file for reading (see OpenRegularFile).
UniqueFd OpenDataFile(const CString& libraryPath);

}  // namespace topodlg
