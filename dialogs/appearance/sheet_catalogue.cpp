#include "dialogs/appearance/sheet_catalogue.h"

#include <algorithm>
#include <cstdint>

#include "platform/text_file.h"

namespace topodlg {
namespace {

struct Region {
  const char* name;
  RegionBounds bounds;
};

// "全国" has no bounds at all.
const Region kRegions[] = {
    {"全国", {"", "", "", ""}},
    {"北海道", {"", "", "", "41.2000"}},
    {"東北", {"", "41.2000", "", "38.0000"}},
    {"関東信越", {"", "38.0000", "138.0000", ""}},
    {"近畿中部", {"137.5000", "", "134.0000", ""}},
    {"中国四国", {"134.5000", "", "131.0000", ""}},
    {"九州沖縄", {"131.5000", "", "", ""}},
};

// Byte comparison, unsigned as the C library compares.
bool AtLeast(const CString& value, const CString& bound) { return bound.IsEmpty() || value.str() >= bound.str(); }
bool AtMost(const CString& value, const CString& bound) { return bound.IsEmpty() || value.str() <= bound.str(); }

}  // namespace

// Each line of the file is one catalogue line, cut to its first 199 bytes, so
// the tail of an over-long line never passes for a sheet of its own.
std::vector<CString> ReadSheetCatalogue(const CString& path) {
  std::vector<CString> lines;
  LineReader reader(path);
  CString line;
  while (static_cast<int>(lines.size()) < kCatalogueCapacity && reader.ReadLineCut(line, kCatalogueLineLimit)) {
    if (line.GetAt(0) == ';') continue;
    if (line.Find("Ｂ", 1) >= 0) continue;
    lines.push_back(line);
  }
  return lines;
}

CString SheetNameOf(const CString& line) { return line.Mid(9, 12); }
CString LatitudeOf(const CString& line) { return line.Mid(22, 8); }
CString LongitudeOf(const CString& line) { return line.Mid(32, 9); }

bool RegionBoundsOf(const CString& region, RegionBounds& bounds) {
  for (const Region& r : kRegions) {
    if (region == r.name) {
      bounds = r.bounds;
      return true;
    }
  }
  return false;
}

bool LineWithin(const CString& line, const RegionBounds& bounds) {
  const CString latitude = line.Mid(22, 7);
  const CString longitude = line.Mid(32, 8);
  return AtLeast(latitude, bounds.south) && AtMost(latitude, bounds.north) && AtLeast(longitude, bounds.west) &&
         AtMost(longitude, bounds.east);
}

bool ChooseSheet(const std::vector<CString>& lines, const CString& selected, SheetChoice& choice) {
  if (selected.IsEmpty()) return false;
  auto found = std::find_if(lines.begin(), lines.end(), [&](const CString& l) { return l.Find(selected) >= 0; });
  if (found == lines.end()) return false;
  choice.line = static_cast<int>(found - lines.begin());
  choice.latitude = LatitudeOf(*found);
  choice.longitude = LongitudeOf(*found);
  choice.name = SheetNameOf(*found);
  // Two sheets far out at sea are catalogued inside the frame of a
  // neighbouring sheet; their drawn position is fixed here.
  if (choice.longitude.Find("148.0000") >= 0 && choice.latitude.Find("24.0000") >= 0) choice.longitude = "153.0000";
  if (choice.longitude.Find("136.0000") >= 0 && choice.latitude.Find("24.0000") >= 0) choice.latitude = "20.0000";
  choice.meshCode = MeshCodeOf(choice.latitude, choice.longitude);
  return true;
}

// Computed in 64 bits from saturated numbers, so no catalogue text can
// overflow; a latitude without "." has no minutes.
CString MeshCodeOf(const CString& latitude, const CString& longitude) {
  const int dot = latitude.Find('.');
  const int64_t degrees = Atoi(dot < 0 ? latitude : latitude.Left(dot));
  const int64_t minutes = dot < 0 ? 0 : Atoi(latitude.Mid(dot + 1)) / 100;
  const int64_t first = (degrees * 60 + minutes) / 40;
  const int64_t second = static_cast<int64_t>(Atoi(longitude)) - 100;
  return CString::Formatted("%2lld%2lld", static_cast<long long>(first), static_cast<long long>(second));
}

}  // namespace topodlg
