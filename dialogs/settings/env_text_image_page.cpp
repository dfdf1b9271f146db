#include "dialogs/settings/env_text_image_page.h"

#include "dialogs/settings/env_pickers.h"
#include "resources/197.h"

namespace topodlg {
using namespace res197;
namespace {

int Flipped(int flag) { return flag == 1 ? 0 : 1; }

}  // namespace

CEnvTextImagePage::CEnvTextImagePage() : CDialog(kTemplateId) {
  OnClicked(IDC_SHOW_IMAGES, [this] {
    m_work.showImages = Flipped(m_work.showImages);
    CheckDlgButton(IDC_SHOW_IMAGES, m_work.showImages == 1);
  });
  OnClicked(IDC_SHOW_TEXT, [this] {
    m_work.showText = Flipped(m_work.showText);
    CheckDlgButton(IDC_SHOW_TEXT, m_work.showText == 1);
  });
  OnClicked(IDC_FRAME_WIDER, [this] { m_work.frameWidth = WiderFrame(m_work.frameWidth); ShowFrameWidth(); });
  OnClicked(IDC_FRAME_NARROWER, [this] { m_work.frameWidth = NarrowerFrame(m_work.frameWidth); ShowFrameWidth(); });
  OnClicked(IDC_REGISTER_HERE, [this] { m_work.registrationMode = 0; });
  OnClicked(IDC_REGISTER_SIBLING, [this] { m_work.registrationMode = 1; });
  OnClicked(IDC_PICK_SIBLING, [this] {
    const CString program = PickProgram("ｴﾃﾞｨﾀｰ (*.exe)|*.exe");
    if (program.IsEmpty()) return;
    m_work.siblingProgram = program;
    SetDlgItemText(IDC_SIBLING_PROGRAM, program);
  });
}

// A brightness or frame width outside its range is shown as it came and
// returned unchanged unless the user moves it; the scroll bar shows it at the
// nearer end of its range, and the first move brings it inside.
bool CEnvTextImagePage::OnInitDialog() {
  CDialog::OnInitDialog();
  CScrollBar* bar = GetDlgItem(IDC_BRIGHTNESS);
  bar->SetScrollRange(0, 10);
  bar->SetScrollPos(m_work.brightness);
  ShowBrightness();
  CheckDlgButton(IDC_SHOW_IMAGES, m_work.showImages == 1);
  CheckDlgButton(IDC_SHOW_TEXT, m_work.showText == 1);
  ShowFrameWidth();
  CheckRadioButton(IDC_REGISTER_HERE, IDC_REGISTER_SIBLING,
                   m_work.registrationMode != 0 ? IDC_REGISTER_SIBLING : IDC_REGISTER_HERE);
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

void CEnvTextImagePage::ShowFrameWidth() { SetDlgItemInt(IDC_FRAME_WIDTH, m_work.frameWidth); }

}  // namespace topodlg
