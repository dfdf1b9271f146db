// Parallel cross-sections (dialog 231): spacing and number of the sections and
// the block-diagram display.
#pragma once

#include "frame/block_diagram_display.h"
#include "platform/dialog.h"

namespace topodlg {

class CParallelSectionDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 231;
  CParallelSectionDlg();

  CString Result() const;

  // The first field of the result. Nothing in the dialog sets it; it is
  // written as 0 so that the host always reads the same value there.
  int m_leadField = 0;
  int m_fixedMark = 0;      // 1 once the dialog opens
  int m_passedThrough = 0;  // returned as the host passed it
  float m_spacing = 0;      // km between sections, 0.5 to 10.0
  int m_sectionsShown = 0;  // the host's number of sections less one, 2 to 20
  BlockDiagramDisplay m_block;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace topodlg
