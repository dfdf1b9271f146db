#include "gui/graphical_hooks.h"

#include "gui/application.h"
#include "gui/qt_backend.h"
#include "gui/screenshot.h"
#include "tools/scripted/cli.h"
#include "tools/scripted/scripted_user.h"

namespace topodlg::gui {

void InstallGraphicalHooks() {
  CliHooks& hooks = Hooks();
  hooks.makeGraphicalBackend = []() -> std::unique_ptr<UiBackend> {
    if (!HasDisplay()) return nullptr;
    EnsureApplication();
    return std::make_unique<QtBackend>();
  };
  hooks.prepareScriptedUser = [](ScriptedUser& user) {
    user.SetScreenshotHook([](CDialog& dialog, const std::string& file) {
      EnsureApplication();
      return SaveScreenshot(dialog, file);
    });
  };
}

}  // namespace topodlg::gui
