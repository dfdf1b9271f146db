#include "dialogs/settings/env_program_page.h"

#include "dialogs/settings/env_pickers.h"
#include "resources/210.h"

namespace topodlg {
using namespace res210;

CEnvProgramPage::CEnvProgramPage() : CDialog(kTemplateId) {
  OnClicked(IDC_PICK_EDITOR, [this] { OnPickEditor(); });
  OnClicked(IDC_PICK_VIEWER, [this] { OnPickViewer(); });
  BindToggle(m_work.jpgInApplication, IDC_JPG_IN_APPLICATION);
}

bool CEnvProgramPage::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_EDITOR, m_work.editor);
  SetDlgItemText(IDC_VIEWER, m_work.viewer);
  return true;
}

void CEnvProgramPage::OnPickEditor() {
  const CString program = PickProgram("ｴﾃﾞｨﾀｰ (*.exe)|*.exe");
  if (program.IsEmpty()) return;
  m_work.editor = program;
  SetDlgItemText(IDC_EDITOR, program);
}

// A cancelled pick empties the viewer's box but keeps the viewer.
void CEnvProgramPage::OnPickViewer() {
  const CString program = PickProgram("ﾋﾞｭｰﾜ files (*.exe)|*.exe");
  SetDlgItemText(IDC_VIEWER, program);
  if (!program.IsEmpty()) m_work.viewer = program;
}

}  // namespace topodlg
