// Track file registration and selection (180): the group and its track files
// with the chosen file's summary, registration through the file-list dialog,
// the tracks the host shows now, and the distance marks along tracks.
#pragma once

#include <array>

#include "dialogs/tracks/track_file_dlg.h"

namespace topodlg {

class CTrackSelectDlg : public CTrackFileDlg {
 public:
  static constexpr int kTemplateId = 180;
  // The displayed-track list holds at most 65 entries.
  static constexpr int kDisplayedCapacity = 65;
  // A displayed-track number that keeps its place in the list but is not shown.
  static constexpr int kHiddenTrack = 9999;

  CTrackSelectDlg();

  // Splits the host's two lists, "3 7 -1 " and "d:\gps\a.trk d:\gps\b.pot ".
  void SetDisplayedTracks(const CString& numbers, const CString& paths);
  CString Result() const;

  int m_showFlag = 0;        // 1: the host shows the chosen track
  int m_lastRow = -1;        // displayed entries examined at the first initialisation, minus 1
  int m_passedValue = 0;     // returned unchanged
  int m_selectedIndex = -1;  // index in the file combo box, or a number after a double-click
  std::array<int, kDisplayedCapacity> m_displayedNumbers;
  int m_scaleFlag = 0;       // 1: distance marks along the track
  int m_scaleInterval = 1;   // km
  int m_selectedRow = -1;    // row of the displayed-track list box
  int m_group = 0;           // 0 to 4
  int m_initialised = 0;
  CString m_action;          // "PROFILE" after a double-click in the list box
  CString m_groupDigit;      // "0" to "4"
  std::array<CString, kDisplayedCapacity> m_displayedPaths;

 protected:
  bool OnInitDialog() override;

 private:
  void ShowDisplayedTracks();
  void OnGroupChosen();
  void OnFileChosen();
  void OnShowToggled();
  void OnRegister();
  void OnRowSelected();
  void OnRowDoubleClicked();
  void OnClearAll();
  void OnCancelButton();
  void OnScaleToggled();
  void OnScaleUp();
  void OnScaleDown();
  void ShowCurrentPath();
};

}  // namespace topodlg
