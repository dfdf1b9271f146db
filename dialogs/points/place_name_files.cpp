#include "dialogs/points/place_name_files.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

#include "platform/file_write.h"
#include "platform/path_map.h"
#include "platform/regular_file.h"
#include "platform/text_file.h"

namespace topodlg {

CString RegionalPlaceNameKey(const CString& mapFile) {
  const int separator = std::max(mapFile.ReverseFind('\\'), mapFile.ReverseFind('/'));
  const CString name = mapFile.Mid(separator + 1);
  const int dot = name.Find('.');
  const CString stem = dot < 0 ? name : name.Left(dot);
  // Count characters, not bytes, so a double-byte character is never split.
  std::vector<int> starts;
  for (int i = 0; i < stem.GetLength();) {
    starts.push_back(i);
    i += IsLeadByte(static_cast<unsigned char>(stem[i])) && i + 1 < stem.GetLength() ? 2 : 1;
  }
  if (starts.size() <= 4) return stem;
  return stem.Mid(starts[starts.size() - 4]);
}

CString RegionalPlaceNamePath(const CString& dataDirectory, const CString& mapFile) {
  const CString key = RegionalPlaceNameKey(mapFile);
  if (key.IsEmpty()) return CString();
  return ToLower(dataDirectory + "Local20\\" + key + ".lsn");
}

int CountPlaceNameLines(const CString& path) {
  if (path.IsEmpty()) return 0;
  const std::string host = HostPath(path);
  if (host.empty()) return 0;
  const UniqueFd file = OpenRegularFile(host);
  if (!file) return 0;

  std::vector<char> block(1 << 16);
  long long lines = 0;
  bool openLine = false;  // bytes seen since the last LF
  for (;;) {
    const ssize_t n = ::read(file.get(), block.data(), block.size());
    if (n <= 0) break;  // the end, or a read error: count what was read
    const char* begin = block.data();
    const char* end = begin + n;
    lines += std::count(begin, end, '\n');
    openLine = end[-1] != '\n';
  }
  if (openLine) ++lines;
  return static_cast<int>(std::min<long long>(lines, INT_MAX));
}

CreateResult CreateEmptyFileIfMissing(const CString& path) {
  if (path.IsEmpty()) return CreateResult::Failed;
  if (CreateNewFile(path, "")) return CreateResult::Created;
  return errno == EEXIST ? CreateResult::Existed : CreateResult::Failed;
}

}  // namespace topodlg
