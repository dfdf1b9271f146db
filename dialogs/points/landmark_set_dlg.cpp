#include "dialogs/points/landmark_set_dlg.h"

#include "frame/entries.h"
#include "frame/shared_routines.h"
#include "platform/module_state.h"
#include "resources/217.h"

namespace topodlg {
using namespace res217;
namespace {

// The check box of each type, in type order (11 and 12 come after the display
// box's identifier).
constexpr std::array<int, kLandmarkTypeCount> kTypeBoxes = {IDC_TYPE_1, IDC_TYPE_2,  IDC_TYPE_3,  IDC_TYPE_4,
                                                            IDC_TYPE_5, IDC_TYPE_6,  IDC_TYPE_7,  IDC_TYPE_8,
                                                            IDC_TYPE_9, IDC_TYPE_10, IDC_TYPE_11, IDC_TYPE_12};

// The type boxes' toggle: a value that is not exactly "on" turns on.
int Toggled(int value) { return value == 1 ? 0 : 1; }

}  // namespace

CLandmarkSetDlg::CLandmarkSetDlg() : CDialog(kTemplateId) {
  BindToggle(m_display, IDC_DISPLAY);
  BindToggle(m_names, IDC_NAMES).OthersTurnOff();
  BindRadio(m_heightMode, {{IDC_ENTERED_HEIGHT, 0}, {IDC_STRETCHED_HEIGHT, 1}}).Otherwise(IDC_STRETCHED_HEIGHT);
  OnClicked(IDC_EDIT, [this] { RunEditorAndWait(m_editorPath, m_landmarkFile); });
  for (int type = 0; type < kLandmarkTypeCount; ++type) {
    OnClicked(kTypeBoxes[static_cast<size_t>(type)], [this, type] { OnTypeClicked(type); });
  }
}

// Landmarks are always shown when this dialog opens: the host calls it to work
// on them.
bool CLandmarkSetDlg::OnInitDialog() {
  if (m_display == 0) m_display = 1;
  CDialog::OnInitDialog();
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

CString entry::OnDlgLndMk(int display, int names, int heightMode, CString typeFlags, CString typeNames,
                          CString landmarkFile, CString editorPath) {
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

}  // namespace topodlg
