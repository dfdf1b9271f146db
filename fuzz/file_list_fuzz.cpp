// File-list files: the dialog's reading, the track tables' reading and a
// registration (a duplicate check and an append in place).
#include "dialogs/points/file_list.h"
#include "fuzz/fuzz_support.h"
#include "platform/text_file.h"

using namespace topodlg;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzz::ScratchFolder() + "/EXPLFILE.dat";
  if (!fuzz::WriteBytes(path, bytes)) return 0;
  const CString list(path);

  for (const CString& entry : ReadFileListEntries(list)) {
    fuzz::Check(entry.GetLength() <= kFileListLineLimit && !entry.IsEmpty() && entry[0] != ';',
                "entries are non-empty, non-comment lines within the limit");
  }
  ReadListToFirstEmptyLine(list, CommentLines::Skip);
  const auto listed = ReadListToFirstEmptyLine(list, CommentLines::List);

  // A registration of a listed entry is a duplicate; a new one ends the file.
  if (!listed.empty()) {
    fuzz::Check(RegisterFileListEntry(list, listed.front()) == RegisterResult::Duplicate ||
                    listed.front().IsEmpty(),
                "a listed entry registers as a duplicate");
  }
  const CString fresh = "d:\\fuzz\\never-listed.txt";
  fuzz::Check(RegisterFileListEntry(list, fresh) == RegisterResult::Added, "a new entry is added");
  const std::string after = fuzz::ReadBytes(path);
  fuzz::Check(after.compare(0, size, bytes) == 0, "the old entries stay as they were");
  const std::string line = fresh.str() + "\r\n";
  fuzz::Check(after.size() >= line.size() && after.compare(after.size() - line.size(), std::string::npos, line) == 0,
              "the new entry is the last line");
  fuzz::Check(RegisterFileListEntry(list, fresh) == RegisterResult::Duplicate, "and reads back");

  const CString kind(bytes.substr(0, 12));
  FileListPath(ParseFileListKind(kind), "D:\\", kind);
  return 0;
}
