#include "dialogs/clips/map_kind.h"

namespace topodlg {
namespace {

bool Contains(const CString& text, const char* part) { return text.Find(part) >= 0; }

// The first rule that fits the map file decides.
MapKind KindFromFile(const CString& mapFile, const CString& mapName, int subKind,
                     const std::array<int, 4>& bounds) {
  if (Contains(mapFile, "SEM")) return {"250mﾒｯｼｭ", "320×320", mapName};
  if (Contains(mapFile, "TEM") && subKind == kTemElevation) return {"1Kmﾒｯｼｭ（標高）", "80×80", mapName};
  if (Contains(mapFile, "TEM") && subKind == kTemMeanElevation) return {"1Kmﾒｯｼｭ（平均標高）", "80×80", mapName};
  if (!Contains(mapFile, "MEM")) {
    return {"ユーザー作成地図",
            CString::Formatted("(%d,%d)->(%d,%d)", bounds[0], bounds[1], bounds[2], bounds[3]), mapName};
  }
  MapKind fifty{"50mﾒｯｼｭ", bounds[2] > 200 ? "400×400" : "200×200", mapName};
  if (Contains(mapFile, "指定した範囲")) fifty.mapName = "指定した範囲";
  return fifty;
}

}  // namespace

MapKind DeriveMapKind(const CString& mapFile, const CString& mapName, int subKind,
                      const std::array<int, 4>& userBounds) {
  MapKind kind = KindFromFile(mapFile, mapName, subKind, userBounds);
  // Maps joined from 3 × 3 or 5 × 5 sheets say so in their name; the name is
  // tested as it now stands, and "５×" is tested last, so it wins.
  if (Contains(kind.mapName, "３×")) kind.meshTotal = "240×240";
  if (Contains(kind.mapName, "５×")) kind.meshTotal = "400×400";
  return kind;
}

}  // namespace topodlg
