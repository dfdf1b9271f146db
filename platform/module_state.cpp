#include "platform/module_state.h"

namespace topodlg {

ModuleState& AfxGetModuleState() {
  static ModuleState state;
  return state;
}

bool AfxInLibraryState() { return AfxGetModuleState().depth > 0; }

AFX_MAINTAIN_STATE::AFX_MAINTAIN_STATE() { ++AfxGetModuleState().depth; }
AFX_MAINTAIN_STATE::~AFX_MAINTAIN_STATE() { --AfxGetModuleState().depth; }

CWinApp::CWinApp(const char*) { AfxGetModuleState(); }
CWinApp::~CWinApp() = default;

}  // namespace topodlg
