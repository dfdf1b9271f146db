#include "dialogs/appearance/map_spec_settings.h"

namespace topodlg {
namespace {

// Text argument 18: all kinds, the ten kind flags and title shown separated by
// single blanks, "/", then the municipal data marker. Missing numbers read as
// 0; without "/" the marker is empty.
constexpr int kKindFieldCount = 12;

void DecodeKindsAndMarker(const CString& text, MapSpecSettings& s) {
  const int slash = text.Find('/');
  CString rest = slash < 0 ? text : text.Left(slash);
  s.municipalMarker = slash < 0 ? CString() : text.Mid(slash + 1);
  std::array<int, kKindFieldCount> fields{};
  for (int& field : fields) {
    const int blank = rest.Find(' ');
    field = Atoi(blank < 0 ? rest : rest.Left(blank));
    rest = blank < 0 ? CString() : rest.Mid(blank + 1);
  }
  s.allKinds = fields[0];
  for (int k = 0; k < kPlaceKindCount; ++k) s.kinds[k] = fields[k + 1];
  s.titleShown = fields[11];
}

}  // namespace

MapSpecSettings DecodeMapSpecArguments(const std::array<int, 22>& n, const std::array<CString, 18>& t) {
  MapSpecSettings s;
  s.itemsPerPoint = n[0];
  s.itemPosition = n[1];
  s.symbolColour = n[2];
  s.itemColour = n[3];
  s.showPlaceNames = n[4];
  s.fileMode = n[5];
  s.fontSize = n[6];
  s.displayCount = n[7];
  s.wideArea = n[8];
  s.mergedNames = n[9] / 1000;
  s.subprefecture = n[9] / 100 % 10;
  s.prefecture = n[9] / 10 % 10;
  s.municipal = n[9] % 10;
  s.enclaveNames = n[10] / 1000;
  s.municipalColour = n[10] % 1000 / 10;
  s.namesWhenZoomed = n[10] % 10;
  s.latLonLockedOff = n[11];
  s.lakes = n[12];
  s.lakeNames = n[13];
  s.reservoirs = n[14];
  s.reservoirNames = n[15];
  s.reservoirLength = n[16];
  s.lakeElevation = n[17];
  s.reservoirElevation = n[18];
  s.popup = n[19];
  s.worldFrame = n[20] / 100;
  s.currentTab = n[20] % 100 / 10;
  s.datum = n[20] % 10;
  s.gridInterval = n[21];
  s.regionalPath = t[0];
  s.secondPath = t[1];
  s.placeNameFile = t[2];
  s.sheetNumber = t[3];
  s.mapTitle = t[4];
  s.legend = t[5];
  s.gridUnit = t[6];
  s.sheetFrame = t[7];
  s.mapKind = t[8];
  s.latLonLines = t[9];
  s.gridColour = t[10];
  s.scaleCompass = t[11];
  s.pointer = t[12];
  s.textBackground = t[13];
  s.dataDirectory = t[14];
  s.prefectureColour = t[15];
  s.keyword = t[16];
  DecodeKindsAndMarker(t[17], s);
  return s;
}

// The sums are formed in unsigned arithmetic so that digits taken from an
// extreme argument give back exactly that argument instead of overflowing.
int PackBoundaries(const MapSpecSettings& s) {
  const unsigned sum = static_cast<unsigned>(s.municipal) + 10u * static_cast<unsigned>(s.prefecture) +
                       100u * static_cast<unsigned>(s.subprefecture) + 1000u * static_cast<unsigned>(s.mergedNames);
  return static_cast<int>(sum);
}

int PackBoundaryDetails(const MapSpecSettings& s) {
  const unsigned sum = static_cast<unsigned>(s.namesWhenZoomed) + 10u * static_cast<unsigned>(s.municipalColour) +
                       1000u * static_cast<unsigned>(s.enclaveNames);
  return static_cast<int>(sum);
}

CString EncodeMapSpecResult(const MapSpecSettings& s) {
  CString r;
  r.AppendFormat("%d %d %d %d %d ", s.symbolColour, s.itemsPerPoint, s.itemPosition, s.itemColour, s.showPlaceNames);
  r.AppendFormat("%d %d %d %d %d ", s.fileMode, s.fontSize, s.displayCount, s.gridInterval, PackBoundaries(s));
  r.AppendFormat("%d %d %d %d %d ", PackBoundaryDetails(s), 0, s.lakes, s.lakeNames, s.reservoirs);
  r.AppendFormat("%d %d %d %d %d %d %d %d %d ", s.reservoirNames, s.reservoirLength, s.lakeElevation,
                 s.reservoirElevation, s.popup, s.currentTab, s.titleShown, s.datum, s.worldFrame);
  for (const CString* text : {&s.placeNameFile, &s.sheetNumber, &s.mapTitle, &s.gridUnit, &s.sheetFrame, &s.legend,
                              &s.latLonLines, &s.gridColour, &s.scaleCompass, &s.pointer, &s.textBackground,
                              &s.keyword, &s.prefectureColour}) {
    r += *text + "|";
  }
  r.AppendFormat("%d ", s.allKinds);
  for (int kind : s.kinds) r.AppendFormat("%d ", kind);
  return r;
}

}  // namespace topodlg
