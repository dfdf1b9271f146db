#include "dialogs/settings/env_pickers.h"

#include "dialogs/settings/env_settings.h"
#include "frame/shared_routines.h"
#include "platform/common_dialogs.h"

namespace topodlg {

CString PickMeshFolder(const CString& defaultExtension, const CString& initialName, const CString& filter) {
  MessageBeep();
  const CString fullFilter = filter + "|SEM files (*.sem)|*.sem|DAT files (*.dat)|*.dat|All files (*.*)|*.*||";
  CFileDialog picker(true, defaultExtension.c_str(), initialName.c_str(), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     fullFilter.c_str());
  if (picker.DoModal() != IDOK) return {};
  return FolderOfPath(picker.GetPathName());
}

// The program picker is the shared file picker with the program's extension.
CString PickProgram(const CString& filter) { return BrowseForFile("exe", "*.exe", filter); }

}  // namespace topodlg
