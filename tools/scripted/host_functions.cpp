// The host functions of the public C interface (topodlg/host.h): what a host
// program sets up around its calls of the entry functions.
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/c_boundary.h"
#include "platform/clock.h"
#include "platform/module_state.h"
#include "tools/scripted/cli.h"
#include "tools/scripted/event_log.h"
#include "tools/scripted/event_recorder.h"
#include "tools/scripted/graphical_library.h"
#include "tools/scripted/script.h"
#include "tools/scripted/scripted_user.h"
#include "topodlg/topodlg.h"

// A host's device context: a drawing that the context records into, and the
// last JSON text given out for it.
struct TopoDlgDC {
  topodlg::Drawing drawing;
  topodlg::CDC dc{&drawing};
  std::string ops;
};

namespace topodlg {

CDC* DeviceContextOf(TopoDlgDC* handle) { return handle ? &handle->dc : nullptr; }

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};

// Who answers the dialogs, and the log, as the host chose them; kept until the
// host chooses again.
struct HostChoice {
  std::unique_ptr<UiBackend> backend;
  std::unique_ptr<std::FILE, FileCloser> logFile;
  std::unique_ptr<EventLog> log;
  std::unique_ptr<EventRecorder> recorder;  // in front of the backend while there is a log
};

HostChoice& Choice() {
  static HostChoice choice;
  return choice;
}

void Choose(HostChoice next) {
  ModuleState& state = AfxGetModuleState();
  state.backend = next.recorder ? next.recorder.get() : next.backend.get();
  Choice() = std::move(next);
}

// True while the calls go to the graphical library: the host chose the
// display, or a script that takes screenshots, in a copy of the library that
// has no graphical backend of its own.
bool forwarding = false;
// The time the host set, kept to hand it on to the graphical library.
std::optional<std::string> hostNow;

template <class Function>
Function* InGraphical(Function*, const char* name) {
  return reinterpret_cast<Function*>(GraphicalSymbol(name));
}

// Hands the host's drives and time to the graphical library.
void ShareSettings() {
  auto mapDrive = InGraphical(&TopoDlgMapDrive, "TopoDlgMapDrive");
  auto setNow = InGraphical(&TopoDlgSetNow, "TopoDlgSetNow");
  if (!mapDrive || !setNow) return;
  for (const auto& [letter, folder] : AfxGetModuleState().drives.Drives()) mapDrive(letter, folder.c_str());
  setNow(hostNow ? hostNow->c_str() : nullptr);
}

// Makes the graphical library answer the calls that follow through `choose`
// (its TopoDlgUseScript or TopoDlgUseDisplay); returns what that gives.
template <class Pick>
int ForwardTo(Pick&& choose) {
  std::string error;
  if (!GraphicalLibrary(error)) {
    SetLastError(error);
    return -1;
  }
  ShareSettings();
  int result = choose();
  if (result != 0) {
    auto lastError = InGraphical(&TopoDlgLastError, "TopoDlgLastError");
    SetLastError(lastError ? lastError() : "the graphical backend refused");
    return result;
  }
  Choose({});
  forwarding = true;
  return 0;
}

bool TakesScreenshots(const std::vector<ScriptAction>& actions) {
  for (const ScriptAction& a : actions) {
    if (a.verb == "screenshot") return true;
  }
  return false;
}

}  // namespace

void* ForwardedSymbol(const char* name) { return forwarding ? GraphicalSymbol(name) : nullptr; }

}  // namespace topodlg

using namespace topodlg;

TOPODLG_API int TopoDlgUseScript(const char* script, const char* logPath) {
  SetLastError({});
  HostChoice next;
  try {
    auto actions = ParseScript(script ? script : "");
    if (TakesScreenshots(actions) && !Hooks().prepareScriptedUser) {
      auto useScript = &TopoDlgUseScript;  // the graphical library's, once loaded
      return ForwardTo([&] {
        auto theirs = InGraphical(useScript, "TopoDlgUseScript");
        return theirs ? theirs(script, logPath) : -1;
      });
    }
    auto user = std::make_unique<ScriptedUser>(std::move(actions));
    if (Hooks().prepareScriptedUser) Hooks().prepareScriptedUser(*user);
    if (logPath) {
      next.logFile.reset(std::fopen(logPath, "wb"));
      if (!next.logFile) {
        SetLastError(std::string("cannot write the log ") + logPath);
        return -2;
      }
      next.log = std::make_unique<EventLog>(next.logFile.get());
      user->SetLog(next.log.get());
      next.recorder = std::make_unique<EventRecorder>(user.get(), *next.log);
    }
    next.backend = std::move(user);
  } catch (const ScriptError& e) {
    SetLastError(e.Message());
    return -1;
  }
  Choose(std::move(next));
  forwarding = false;
  return 0;
}

TOPODLG_API int TopoDlgUseDisplay(void) {
  SetLastError({});
  if (!Hooks().makeGraphicalBackend) {
    return ForwardTo([] {
      auto theirs = InGraphical(&TopoDlgUseDisplay, "TopoDlgUseDisplay");
      return theirs ? theirs() : -1;
    });
  }
  HostChoice next;
  next.backend = Hooks().makeGraphicalBackend();
  if (!next.backend) {
    SetLastError("there is no display");
    return -1;
  }
  Choose(std::move(next));
  return 0;
}

TOPODLG_API void TopoDlgUseNobody(void) {
  SetLastError({});
  Choose({});
  forwarding = false;
}

TOPODLG_API int TopoDlgMapDrive(int letter, const char* folder) {
  SetLastError({});
  if (letter < 0 || letter > 0x7F || !std::isalpha(letter)) {
    SetLastError("a drive letter is A to Z");
    return -1;
  }
  const char drive = static_cast<char>(std::toupper(letter));
  DriveMap& drives = AfxGetModuleState().drives;
  if (!folder || !*folder) {
    DriveMap kept;  // starts with the standard mapping of Z:
    for (const auto& [d, f] : drives.Drives()) {
      if (d != drive) kept.Map(d, f);
    }
    drives = kept;
    if (auto theirs = InGraphical(&TopoDlgMapDrive, "TopoDlgMapDrive")) theirs(letter, folder);
    return 0;
  }
  drives.Map(drive, folder);
  if (auto theirs = InGraphical(&TopoDlgMapDrive, "TopoDlgMapDrive")) theirs(letter, folder);
  return 0;
}

TOPODLG_API int TopoDlgSetNow(const char* localTime) {
  SetLastError({});
  ModuleState& state = AfxGetModuleState();
  if (!localTime) {
    state.now.reset();
    hostNow.reset();
    if (auto theirs = InGraphical(&TopoDlgSetNow, "TopoDlgSetNow")) theirs(nullptr);
    return 0;
  }
  std::tm tm{};
  if (!ParseLocalTime(localTime, tm)) {
    SetLastError(std::string("not a time \"YYYY-MM-DD HH:MM:SS\": ") + localTime);
    return -1;
  }
  state.now = tm;
  hostNow = localTime;
  if (auto theirs = InGraphical(&TopoDlgSetNow, "TopoDlgSetNow")) theirs(localTime);
  return 0;
}

TOPODLG_API TopoDlgDC* TopoDlgDC_New(void) {
  try {
    return std::make_unique<TopoDlgDC>().release();
  } catch (...) {
    return nullptr;
  }
}

TOPODLG_API void TopoDlgDC_Free(TopoDlgDC* dc) { std::unique_ptr<TopoDlgDC> owned(dc); }

TOPODLG_API const char* TopoDlgDC_Ops(TopoDlgDC* dc) {
  if (!dc) return "[]";
  try {
    dc->ops = DrawingJson(dc->drawing);
  } catch (...) {
    dc->ops = "[]";
  }
  return dc->ops.c_str();
}

// A call that the graphical library ran failed there, if at all.
TOPODLG_API const char* TopoDlgLastError(void) {
  if (LastError().empty() && forwarding) {
    if (auto theirs = InGraphical(&TopoDlgLastError, "TopoDlgLastError")) return theirs();
  }
  return LastError().c_str();
}
