// White map options (dialog 143): place names and their items, boundaries,
// lakes, the drawing's aspect and the datum of the pointer coordinates.
#pragma once

#include <array>

#include "platform/dialog.h"

namespace topodlg {

class CWhiteMapSpecDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 143;
  static constexpr int kOptionCount = 17;
  // The options in the order they travel. Options 11 and 14 belong to the
  // host alone: the dialog shows nothing of them and returns them unchanged.
  enum Option : int {
    kPlaceNames, kItems, kItemPosition, kSymbolColour, kItemColour, kDisplayCount, kLatitudeAspect,
    kPrefectureBoundaries, kLakes, kSymbolsOnly, kTextBackground, kPassed11, kDatum, kMunicipalColour,
    kPassed14, kMunicipalBoundaries, kSubprefectureBoundaries,
  };
  CWhiteMapSpecDlg();

  // The 17 options, each followed by "|", then "#" and the municipal boundary
  // data. Missing options read as 0; the data are what follows the first "#".
  void SetOptions(const CString& text);
  // The 17 options each followed by "|", then map file, pointer and colour
  // joined by "|".
  CString Result() const;

  std::array<int, kOptionCount> m_options{};
  CString m_mapFile;            // passed through
  CString m_pointer;            // "on" / "off"
  CString m_prefectureColour;   // "RED", "ORNG", "BLUE"
  CString m_municipalData;      // empty: the host has no municipal boundaries

 protected:
  bool OnInitDialog() override;

 private:
  void OnSubprefectureClicked();
  void OnMunicipalClicked();
  void ShowSubprefectureBox();
};

}  // namespace topodlg
