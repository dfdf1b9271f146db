// Text files as the library reads and writes them: lines read with a byte limit,
// lines written with CR LF, and every rewrite done whole (a temporary file beside
// the target, then renamed over it) so that a crash never leaves half a file.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cstring.h"

namespace topodlg {

// Reads a file line by line through a fixed buffer, so a huge file costs only as
// much as the lines actually read. A line longer than the limit is returned in
// pieces of `limit` bytes, each piece counting as one line. LF ends a line and a
// CR just before it is dropped; a last line without LF is still a line.
class LineReader {
 public:
  // Opens a library path (drive letters mapped to host folders).
  explicit LineReader(const CString& libraryPath);
  static LineReader FromHostPath(const std::string& hostPath);

  bool IsOpen() const { return m_file != nullptr; }
  // False at the end of the file (or when it is not open).
  bool ReadLine(CString& line, int limit);
  // Reads one whole line but keeps only its first `limit` bytes: the rest of a
  // longer line is skipped, so each line of the file is one line read.
  bool ReadLineCut(CString& line, int limit);

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  LineReader() = default;
  int NextByte();

  std::unique_ptr<std::FILE, Closer> m_file;
  bool m_pendingCr = false;
  bool m_lineContinues = false;  // the last piece read ended before its line did
};

// Reads every line of a file with the given limit; a missing file gives none.
std::vector<CString> ReadAllLines(const CString& libraryPath, int limit);

// Replaces the file with exactly these bytes, or leaves it as it was and returns
// false. The data goes to a temporary file in the same folder first.
bool WriteFileWhole(const CString& libraryPath, std::string_view bytes);
// Each line followed by CR LF.
bool WriteLinesCrLf(const CString& libraryPath, const std::vector<CString>& lines);
// Adds one line with CR LF at the end of the file (creating it), by rewriting the
// file whole, so an interrupted append never loses the entries already there.
bool AppendLineCrLf(const CString& libraryPath, const CString& line);
// The whole content of a file, or nothing when it cannot be read.
bool ReadFileBytes(const CString& libraryPath, std::string& bytes);

bool FileExists(const CString& libraryPath);
bool RemoveFile(const CString& libraryPath);
// Renames within the file system; false (and nothing changed) when it fails.
bool RenameFile(const CString& fromPath, const CString& toPath);

}  // namespace topodlg
