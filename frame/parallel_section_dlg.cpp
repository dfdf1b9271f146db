#include "frame/parallel_section_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "platform/spin_step.h"
#include "resources/231.h"

namespace topodlg {
using namespace res231;
namespace {

}  // namespace

CParallelSectionDlg::CParallelSectionDlg() : CDialog(kTemplateId) { m_block.Bind(*this); }

void CParallelSectionDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_SPACING, m_spacing);
  DDV_MinMaxFloat(pDX, m_spacing, 0.5f, 10.0f);
  DDX_Text(pDX, IDC_SECTIONS_SHOWN, m_sectionsShown);
  DDV_MinMaxInt(pDX, m_sectionsShown, 2, 20);
}

bool CParallelSectionDlg::OnInitDialog() {
  m_fixedMark = 1;
  return CDialog::OnInitDialog();
}

CString CParallelSectionDlg::Result() const {
  return CString::Formatted("%d|%d|%d|%d|%d|%d|%d|%d|%d|%f", m_leadField, m_block.m_sectionLineWidth,
                            m_block.m_verticalLines, m_block.m_baseline, m_block.m_background, m_fixedMark,
                            StepBy(m_sectionsShown, 1), m_passedThrough, m_block.m_terrainLineColour, m_spacing);
}

CString entry::OnDlgPrflSet(int sectionLineWidth, int verticalLines, int baseline, int background, int /*unused*/,
                            int sections, int passedThrough, int terrainLineColour, float spacing) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CParallelSectionDlg dlg;
  dlg.m_block.m_sectionLineWidth = sectionLineWidth;
  dlg.m_block.m_verticalLines = verticalLines;
  dlg.m_block.m_baseline = baseline;
  dlg.m_block.m_background = background;
  dlg.m_sectionsShown = StepBy(sections, -1);
  dlg.m_passedThrough = passedThrough;
  dlg.m_block.m_terrainLineColour = terrainLineColour;
  dlg.m_spacing = spacing;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
