#include "dialogs/areas/legend_file.h"

#include <algorithm>
#include <array>

#include "platform/file_write.h"
#include "platform/text_file.h"

namespace topodlg {
namespace {

// The rewrite copies other groups' lines whole, so it reads with a limit far
// above the readers'; a line that reaches it is no legend line, and the file is
// left alone rather than have that line cut.
constexpr int kRewriteLineLimit = 4096;

bool IsSkipped(const CString& line) { return line.IsEmpty() || line[0] == ';'; }

bool IsAnyHeader(const CString& line) {
  for (int group = 0; group < 5; ++group) {
    if (line == LegendSectionHeader(group)) return true;
  }
  return false;
}

// The first line at or after `from` equal to one of the headers of groups
// `firstGroup` to 4; the line count when there is none.
size_t FindHeaderFrom(const std::vector<CString>& lines, size_t from, int firstGroup) {
  for (size_t i = from; i < lines.size(); ++i) {
    for (int group = std::max(firstGroup, 0); group < 5; ++group) {
      if (lines[i] == LegendSectionHeader(group)) return i;
    }
  }
  return lines.size();
}

}  // namespace

CString LegendFilePath(const CString& dataDirectory, int linearFlag) {
  return dataDirectory + (linearFlag == 1 ? "LinrLgd.dat" : "AreaLgd.dat");
}

CString LegendSectionHeader(int group) { return CString::Formatted("GROUP%d", group + 1); }

std::vector<CString> ReadLegendSection(const CString& legendPath, int group) {
  const CString header = LegendSectionHeader(group);
  const CString nextHeader = LegendSectionHeader(group + 1);
  std::vector<CString> entries;
  LineReader reader(legendPath);
  CString line;
  bool inSection = false;
  while (static_cast<int>(entries.size()) < kLegendEntryLimit && reader.ReadLine(line, kLegendLineLimit)) {
    if (IsSkipped(line)) continue;
    if (line == header) {
      inSection = true;
    } else if (line == nextHeader) {
      break;
    } else if (inSection) {
      entries.push_back(line);
    }
  }
  return entries;
}

LegendEntry SplitLegendEntry(const CString& entry) {
  LegendEntry parts;
  std::array<CString*, 3> fields = {&parts.row, &parts.pattern, &parts.colour};
  int from = 0;
  for (CString* field : fields) {
    const int blank = entry.Find(' ', from);
    if (blank < 0) break;
    *field = entry.Mid(from, blank - from);
    from = blank + 1;
  }
  parts.description = entry.Mid(from);
  return parts;
}

CString JoinLegendEntry(int row, const CString& pattern, const CString& colour, const CString& description) {
  return CString::Formatted("%d ", row) + pattern + " " + colour + " " + description;
}

COLORREF LegendColour(const CString& name) {
  static constexpr struct {
    const char* name;
    COLORREF colour;
  } kColours[] = {
      {"赤", RGB(255, 0, 0)},     {"紫", RGB(218, 0, 242)}, {"橙", RGB(255, 128, 0)}, {"黄", RGB(255, 255, 0)},
      {"茶", RGB(112, 56, 56)},   {"緑", RGB(0, 255, 0)},   {"深緑", RGB(0, 140, 0)}, {"空", RGB(0, 255, 255)},
      {"青", RGB(0, 0, 255)},     {"白", RGB(255, 255, 255)},
  };
  for (const auto& c : kColours) {
    if (name == c.name) return c.colour;
  }
  return RGB(0, 0, 0);
}

std::optional<int> LegendHatch(const CString& pattern) {
  static constexpr struct {
    const char* name;
    int hatch;
  } kPatterns[] = {
      {"斜線／", HS_BDIAGONAL}, {"斜線＼", HS_FDIAGONAL}, {"クロス", HS_DIAGCROSS},
      {"横線", HS_HORIZONTAL},  {"縦線", HS_VERTICAL},    {"格子", HS_CROSS},
  };
  std::optional<int> hatch;
  for (const auto& p : kPatterns) {
    if (pattern.Find(p.name) >= 0) hatch = p.hatch;
  }
  return hatch;
}

int LegendPenWidth(const CString& pattern) { return pattern.Find("太線") >= 0 ? 2 : 1; }

std::vector<CString> RewriteLegendLines(const std::vector<CString>& oldLines, int group,
                                        const std::vector<CString>& entries) {
  std::vector<CString> old = oldLines;
  if (old.empty()) {
    for (int g = 0; g < 5; ++g) old.push_back(LegendSectionHeader(g));
  }
  const CString header = LegendSectionHeader(group);
  const CString nextHeader = LegendSectionHeader(group + 1);
  std::vector<CString> lines;
  lines.reserve(old.size() + entries.size() + 1);

  const auto own = std::find(old.begin(), old.end(), header);
  size_t keepFrom = 0;  // the old lines copied after the entries start here
  if (own != old.end()) {
    lines.assign(old.begin(), own + 1);
    keepFrom = static_cast<size_t>(own - old.begin()) + 1;
    while (keepFrom < old.size() && old[keepFrom] != nextHeader && !IsAnyHeader(old[keepFrom])) ++keepFrom;
  } else {
    keepFrom = FindHeaderFrom(old, 0, group + 1);
    lines.assign(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(keepFrom));
    lines.push_back(header);
  }
  lines.insert(lines.end(), entries.begin(), entries.end());
  lines.insert(lines.end(), old.begin() + static_cast<std::ptrdiff_t>(keepFrom), old.end());
  return lines;
}

LegendSaveOutcome SaveLegendSection(const CString& legendPath, int group, const std::vector<CString>& entries) {
  // Another process saving a section of the same file between this read and
  // the write would otherwise lose its change.
  DataFileLock lock(legendPath);
  std::vector<CString> old;
  {
    LineReader reader(legendPath);
    CString line;
    while (reader.ReadLine(line, kRewriteLineLimit)) {
      if (static_cast<int>(old.size()) == kLegendFileLineLimit || line.GetLength() >= kRewriteLineLimit) {
        return LegendSaveOutcome::TooLong;
      }
      old.push_back(line);
    }
  }
  // Written whole beside the legend file and renamed over it: there is no
  // moment without a legend file, and a failure leaves the old one.
  if (!WriteLinesCrLf(legendPath, RewriteLegendLines(old, group, entries))) return LegendSaveOutcome::WriteFailed;
  return LegendSaveOutcome::Saved;
}

}  // namespace topodlg
