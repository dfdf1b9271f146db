// Clipping the map on show (188): shows the map's identity, asks for a title
// and a clip group, and returns the clip for the host to store.
#pragma once

#include <array>

#include "platform/dialog.h"

namespace topodlg {

class CMapClipDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 188;
  CMapClipDlg();

  // The result string of a confirmed dialog.
  CString Result() const;

  std::array<int, 4> m_userBounds{};  // bounds of a user-made map
  std::array<int, 4> m_meshCoords{};  // mesh coordinates, shown 0, 2, 1, 3
  int m_subKind = 0;                  // "TEM" maps: 1 elevation, 2 mean elevation
  int m_group = 0;                    // clip group 0..4
  CString m_mapName, m_mapFile, m_meshCode;
  // South-west second and first value, north-east second and first value.
  std::array<CString, 4> m_corners;
  CString m_placeNameFile, m_pointInfoFile;
  std::array<CString, 5> m_groupNames;
  CString m_title;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;

 private:
  void OnSelectGroup();

  // Derived when the dialog opens.
  CString m_kind, m_meshTotal, m_meshCoordText;
};

}  // namespace topodlg
