#include "dialogs/appearance/color_scheme_files.h"

#include <algorithm>

#include "platform/confined_name.h"
#include "platform/text_file.h"

namespace topodlg {

const std::array<SchemeLevel, 11> kSchemeLevels = {{
    {0, 0, "      （海域）  1:15", 0},
    {1, 1, "         0m", 11},
    {100, 6, "       100m", 1},
    {200, 13, "       200m", 2},
    {500, 33, "       500m", 3},
    {1000, 66, "     1,000m", 4},
    {1500, 100, "     1,500m", 5},
    {2000, 133, "     2,000m", 6},
    {2500, 166, "     2,500m", 7},
    {3000, 200, "     3,000m", 8},
    {4000, 255, "     4,000m", 9},
}};

namespace {

// A colour line needs its first 16 bytes; a longer line (the comment line with
// its full path) is cut, and the rest of it is never taken for a line.
constexpr int kSchemeLineLimit = 98;
constexpr int kLevelCount = 256;

// Sea, 0 m and 4,000 m are always written; the levels between may be left out.
bool IsIntermediate(const SchemeLevel& level) {
  return level.elevation >= 100 && level.elevation <= 3000;
}

}  // namespace

SchemeIndexScan ScanSchemeIndex(const CString& indexPath) {
  SchemeIndexScan scan;
  LineReader reader(indexPath);
  scan.opened = reader.IsOpen();
  CString line;
  while (static_cast<int>(scan.entries.size()) < kMaxSchemes) {
    const long long lineStart = reader.Offset();
    if (!reader.ReadLineCut(line, kIndexLineLimit) || line.IsEmpty()) {
      scan.listedEnd = lineStart;
      return scan;
    }
    const int dollar = line.Find('$');
    if (dollar < 0)
      scan.entries.push_back({CString(), line});
    else
      scan.entries.push_back({line.Left(dollar), line.Mid(dollar + 1)});
  }
  scan.listedEnd = reader.Offset();
  return scan;
}

std::vector<SchemeEntry> ReadSchemeIndex(const CString& indexPath) { return ScanSchemeIndex(indexPath).entries; }

CString SchemeFilePath(const CString& dataDir, const SchemeEntry& scheme) {
  return ConfinedPath(dataDir, scheme.file);
}

std::vector<CString> ReadSchemeNames(const CString& indexPath) {
  std::vector<CString> names;
  LineReader reader(indexPath);
  CString line;
  while (static_cast<int>(names.size()) < kMaxSchemes && reader.ReadLineCut(line, kIndexLineLimit)) {
    if (line.IsEmpty() || line[0] == ';') continue;
    const int dollar = line.Find('$');
    names.push_back(dollar < 0 ? CString() : line.Left(dollar));
  }
  return names;
}

CString SchemeIndexLine(const SchemeEntry& entry) { return entry.name + "$" + entry.file; }

int ColourLevelOf(int elevation) {
  if (elevation == 1) return 1;
  if (elevation == 4000) return 255;
  return elevation / 15;
}

bool ParseSchemeLine(const CString& line, SchemeLine& parsed) {
  if (line.IsEmpty() || line[0] == ';') return false;
  parsed.elevation = Atoi(line.Mid(0, 4));
  parsed.level = ColourLevelOf(parsed.elevation);
  parsed.red = Atoi(line.Mid(5, 3));
  parsed.green = Atoi(line.Mid(9, 3));
  parsed.blue = Atoi(line.Mid(13, 3));
  return true;
}

std::vector<SchemeLine> ReadSchemeFile(const CString& path) {
  std::vector<SchemeLine> lines;
  LineReader reader(path);
  CString line;
  SchemeLine parsed;
  while (static_cast<int>(lines.size()) < kMaxSchemeLines && reader.ReadLineCut(line, kSchemeLineLimit)) {
    if (ParseSchemeLine(line, parsed)) lines.push_back(parsed);
  }
  return lines;
}

namespace {

struct LevelChannels {
  std::array<int, kLevelCount> red{}, green{}, blue{};
};

// Blends each pair of consecutive lines whose levels rise (or stay) across the
// levels from the first to the second. Levels outside 0..255 are blended with
// but not stored; a pair on one level gives that level the second line's
// colour, as a later line wins without the preview; levels no pair covers stay
// black.
LevelChannels BlendLevels(const std::vector<SchemeLine>& lines) {
  LevelChannels out;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    const SchemeLine& first = lines[i];
    const SchemeLine& second = lines[i + 1];
    if (first.level > second.level) continue;
    const int from = std::max(first.level, 0);
    const int to = std::min(second.level, kLevelCount - 1);
    for (int level = from; level <= to; ++level) {
      auto blend = [&](int p, int q) {
        if (first.level == second.level) return q;
        return static_cast<int>(static_cast<double>(level - first.level) * (q - p) /
                                    (second.level - first.level) +
                                p);
      };
      out.red[level] = blend(first.red, second.red);
      out.green[level] = blend(first.green, second.green);
      out.blue[level] = blend(first.blue, second.blue);
    }
  }
  return out;
}

}  // namespace

SwatchColours SchemeSwatchColours(const std::vector<SchemeLine>& lines, bool preview) {
  SwatchColours colours{};
  if (preview) {
    const LevelChannels blended = BlendLevels(lines);
    for (const SchemeLevel& level : kSchemeLevels) {
      const int l = level.colourLevel;
      colours[level.swatch] = RGB(blended.red[l], blended.green[l], blended.blue[l]);
    }
    return colours;
  }
  for (const SchemeLine& line : lines) {
    for (const SchemeLevel& level : kSchemeLevels) {
      if (level.colourLevel == line.level) colours[level.swatch] = RGB(line.red, line.green, line.blue);
    }
  }
  return colours;
}

std::string FormatSchemeFile(const CString& name, const CString& fullPath, const SwatchColours& colours) {
  CString text = ";" + name + "  " + fullPath + "  \r\n";
  for (const SchemeLevel& level : kSchemeLevels) {
    const COLORREF colour = colours[level.swatch];
    if (IsIntermediate(level) && colour == 0) continue;
    text.AppendFormat("%4d %3d %3d %3d%s\r\n", level.elevation, GetRValue(colour), GetGValue(colour),
                      GetBValue(colour), level.label);
  }
  return text.str();
}

SwatchColours NewSchemeColours() {
  SwatchColours colours{};
  colours[0] = RGB(0, 0, 255);
  colours[9] = RGB(255, 255, 255);
  colours[11] = RGB(255, 255, 255);
  return colours;
}

}  // namespace topodlg
