#include "dialogs/settings/env_text_image_page.h"

#include "dialogs/settings/env_pickers.h"
#include "resources/197.h"

namespace topodlg {
using namespace res197;

CEnvTextImagePage::CEnvTextImagePage() : CDialog(kTemplateId) {
  BindToggle(m_work.showImages, IDC_SHOW_IMAGES);
  BindToggle(m_work.showText, IDC_SHOW_TEXT);
  BindSpin(m_work.frameWidth, IDC_FRAME_WIDER, IDC_FRAME_NARROWER)
      .Step(kFrameWidthStep)
      .Min(kNarrowestFrame)
      .Max(kWidestFrame)
      .Shows(IDC_FRAME_WIDTH);
  BindRadio(m_work.registrationMode, {{IDC_REGISTER_HERE, 0}, {IDC_REGISTER_SIBLING, 1}})
      .Otherwise(IDC_REGISTER_SIBLING);
  OnClicked(IDC_PICK_SIBLING, [this] {
    const CString program = PickProgram("ｴﾃﾞｨﾀｰ (*.exe)|*.exe");
    if (program.IsEmpty()) return;
    m_work.siblingProgram = program;
    SetDlgItemText(IDC_SIBLING_PROGRAM, program);
  });
}

// A brightness or frame width outside its range is shown as it came and
// returned unchanged unless the user moves it; the scroll bar shows the
// brightness at the nearer end of its range, and its first move brings it
// inside. A frame width beyond one bound moves by its step toward it.
bool CEnvTextImagePage::OnInitDialog() {
  CDialog::OnInitDialog();
  CScrollBar* bar = GetDlgItem(IDC_BRIGHTNESS);
  bar->SetScrollRange(kDarkest, kBrightest);
  bar->SetScrollPos(m_work.brightness);
  ShowBrightness();
  if (!m_work.siblingProgram.IsEmpty()) SetDlgItemText(IDC_SIBLING_PROGRAM, m_work.siblingProgram);
  return true;
}

void CEnvTextImagePage::OnHScroll(int code, int pos, CScrollBar* bar) {
  if (!bar || bar->GetDlgCtrlID() != IDC_BRIGHTNESS) return;
  if (!BrightnessAfterScroll(bar->GetScrollPos(), code, pos, m_work.brightness)) return;
  ShowBrightness();
  bar->SetScrollPos(m_work.brightness);
}

void CEnvTextImagePage::ShowBrightness() {
  SetDlgItemText(IDC_BRIGHTNESS_TEXT, CString::Formatted("(%2d/10)", m_work.brightness));
}

}  // namespace topodlg
