// The library's module state: what a call of an entry function runs inside. It
// holds the services the host sets up (the user-interface backend, the drive
// map, the clock) and is entered through AFX_MAINTAIN_STATE.
#pragma once

#include <ctime>
#include <map>
#include <optional>

#include "platform/dialog_template.h"
#include "platform/path_map.h"

namespace topodlg {

class UiBackend;

struct ModuleState {
  DriveMap drives;
  UiBackend* backend = nullptr;  // nullptr: no user (every dialog cancels)
  std::optional<std::tm> now;    // the local time the library sees, if fixed
  int depth = 0;                 // how many guards are active
  // Templates a host adds to the library's own (tests use them for dialogs
  // that exist only to exercise the framework).
  std::map<int, DialogTemplate> addedTemplates;
};

// The library's module state.
ModuleState& AfxGetModuleState();
// True while an entry function runs (inside a guard).
bool AfxInLibraryState();

// Scope guard of an entry function: enters the library's module state and
// restores the caller's on every way out, exceptions included.
class AFX_MAINTAIN_STATE {
 public:
  AFX_MAINTAIN_STATE();
  ~AFX_MAINTAIN_STATE();
  AFX_MAINTAIN_STATE(const AFX_MAINTAIN_STATE&) = delete;
  AFX_MAINTAIN_STATE& operator=(const AFX_MAINTAIN_STATE&) = delete;
};

// The application object: one per library, made at load time. It overrides
// nothing; it anchors the module state.
class CWinApp {
 public:
  explicit CWinApp(const char* appName = nullptr);
  virtual ~CWinApp();
};

}  // namespace topodlg
