// The line reader under every data file reader: pieces and cut lines keep
// their limit, end on character boundaries and carry no NUL.
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "platform/text_file.h"

using namespace topodlg;

namespace {

void CheckLine(const CString& line, int limit) {
  fuzz::Check(line.GetLength() <= limit, "a line keeps its limit");
  fuzz::Check(std::memchr(line.c_str(), '\0', static_cast<size_t>(line.GetLength())) == nullptr, "no NUL in a line");
  int i = 0;
  while (i < line.GetLength()) i += IsLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1;
  fuzz::Check(i == line.GetLength(), "a line ends on a character boundary");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzz::ScratchFolder() + "/lines.txt";
  if (!fuzz::WriteBytes(path, bytes)) return 0;
  for (int limit : {2, 3, 4, 98, 199}) {
    for (bool cut : {false, true}) {
      LineReader reader = LineReader::FromHostPath(path);
      CString line;
      long long offset = 0;
      while (cut ? reader.ReadLineCut(line, limit) : reader.ReadLine(line, limit)) {
        CheckLine(line, limit);
        fuzz::Check(reader.Offset() > offset && reader.Offset() <= static_cast<long long>(size),
                    "each line moves on within the file");
        offset = reader.Offset();
      }
    }
    const CString asRead = LineAsRead(CString(bytes), limit);
    CheckLine(asRead, limit);
  }
  return 0;
}
