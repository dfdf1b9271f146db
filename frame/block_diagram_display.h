// The block-diagram display controls that the cross-section dialog (135) and
// the parallel cross-section dialog (231) share: same identifiers, captions
// and values in both templates.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class BlockDiagramDisplay {
 public:
  // Binds the members to the shared controls of `dialog`: they show when the
  // dialog initialises and follow the user's clicks.
  void Bind(CDialog& dialog);

  int m_sectionLineWidth = 0;  // 0 thick, 1 thin
  int m_verticalLines = 0;     // 1 shown
  int m_baseline = 0;          // 1 shown (elevation 0 m)
  int m_background = 0;        // 0 terrain, 1 white
  int m_terrainLineColour = 0;  // 0 black, 1 blue, 2 red
};

}  // namespace topodlg
