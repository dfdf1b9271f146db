// Gives `topodlg` its graphical side: the backend a person works dialogs with
// when no script is given, and the scripted user's screenshot action. Free of Qt
// so the command's own sources need nothing of it.
#pragma once

namespace topodlg::gui {

void InstallGraphicalHooks();

}  // namespace topodlg::gui
