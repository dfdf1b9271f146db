#include "dialogs/points/landmark_set_dlg.h"

#include "frame/shared_routines.h"
#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kDisplay = 1387,
  kNames = 1343,
  kEnteredHeight = 1347,
  kStretchedHeight = 1348,
  kEdit = 1345,
};

// The check box of each type, in type order (11 and 12 come after the display
// box's identifier).
constexpr std::array<int, kLandmarkTypeCount> kTypeBoxes = {1377, 1378, 1379, 1380, 1381, 1382,
                                                            1383, 1384, 1385, 1386, 1388, 1389};

// The handlers' toggles: a value that is not exactly "on" turns on.
int Toggled(int value) { return value == 1 ? 0 : 1; }

}  // namespace

CLandmarkSetDlg::CLandmarkSetDlg() : CDialog(kTemplateId) {
  OnClicked(kDisplay, [this] { m_display = Toggled(m_display); });
  OnClicked(kNames, [this] { m_names = m_names == 0 ? 1 : 0; });
  OnClicked(kEnteredHeight, [this] { m_heightMode = 0; });
  OnClicked(kStretchedHeight, [this] { m_heightMode = 1; });
  OnClicked(kEdit, [this] { RunEditorAndWait(m_editorPath, m_landmarkFile); });
  for (int type = 0; type < kLandmarkTypeCount; ++type) {
    OnClicked(kTypeBoxes[static_cast<size_t>(type)], [this, type] { OnTypeClicked(type); });
  }
}

// Landmarks are always shown when this dialog opens: the host calls it to work
// on them.
bool CLandmarkSetDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_display == 0) m_display = 1;
  if (m_display == 1) CheckDlgButton(kDisplay, BST_CHECKED);
  if (m_names == 1) CheckDlgButton(kNames, BST_CHECKED);
  CheckRadioButton(kEnteredHeight, kStretchedHeight, m_heightMode != 0 ? kStretchedHeight : kEnteredHeight);
  for (size_t type = 0; type < kTypeBoxes.size(); ++type) {
    if (m_typeFlags[type] == 1) CheckDlgButton(kTypeBoxes[type], BST_CHECKED);
    SetDlgItemText(kTypeBoxes[type], m_typeNames[type]);
  }
  return true;
}

void CLandmarkSetDlg::OnTypeClicked(int type) {
  int16_t& flag = m_typeFlags[static_cast<size_t>(type)];
  flag = static_cast<int16_t>(Toggled(flag));
}

CString CLandmarkSetDlg::Result() const {
  CString result = CString::Formatted("%d %d %d|", m_display, m_names, m_heightMode);
  for (int16_t flag : m_typeFlags) result.AppendFormat("%d", flag);
  return result;
}

}  // namespace topodlg

extern "C" topodlg::CString OnDlgLndMk(int display, int names, int heightMode, topodlg::CString typeFlags,
                                       topodlg::CString typeNames, topodlg::CString landmarkFile,
                                       topodlg::CString editorPath) {
  using namespace topodlg;
  AFX_MAINTAIN_STATE guard;
  CString result;
  CLandmarkSetDlg dlg;
  dlg.m_display = display;
  dlg.m_names = names;
  dlg.m_heightMode = heightMode;
  dlg.m_typeFlags = ParseLandmarkTypeFlags(typeFlags);
  dlg.m_typeNames = SplitLandmarkTypeNames(typeNames);
  dlg.m_landmarkFile = landmarkFile;
  dlg.m_editorPath = editorPath;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}
