// Map settings page " 地名 " (dialog 207): showing place names, their font
// size and density, the place-name files and the text background.
#pragma once

#include "dialogs/appearance/map_spec_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CPlaceNamePage : public CDialog {
 public:
  static constexpr int kTemplateId = 207;
  CPlaceNamePage();

  void Load(const MapSpecSettings& s);
  void Store(MapSpecSettings& s) const;

  int m_fontSize = 0;       // points, 8 to 14 by the buttons
  int m_displayCount = 0;   // index into box 1031
  int m_wideArea = 0;
  int m_showPlaceNames = 0;
  int m_fileMode = 0;       // 1 whole-area files, 3 regional file, 4 both
  int m_wholeArea = 0;
  int m_regional = 0;
  int m_itemColour = 0;
  int m_popup = 0;
  int m_regionalIndex = -1;  // 1 when the regional place-name file exists
  CString m_regionalPath, m_secondPath, m_placeNameFile, m_mapKind, m_textBackground, m_dataDirectory;

 protected:
  bool OnInitDialog() override;

 private:
  bool WideAreaMap() const;
  void ShowStatus(const char* blackText);
  void ShowFileChoices();
  void OnShowClicked();
  void OnFileKindClicked(bool regional);
  void OnFileChosen();
};

}  // namespace topodlg
