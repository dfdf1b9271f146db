// The Qt application the graphical backend runs in, made when first needed.
#pragma once

namespace topodlg::gui {

// True when Qt can reach a display: an X or Wayland session, or a platform the
// caller chose (QT_QPA_PLATFORM, "offscreen" included).
bool HasDisplay();
// Qt's own notices (what a platform cannot do, where it keeps its files) stay
// quiet; its failures still go to standard error.
void ReportOnlyQtFailures();
// Makes the application object unless one exists; without a display it runs
// off screen (screenshots need no display).
void EnsureApplication();

}  // namespace topodlg::gui
