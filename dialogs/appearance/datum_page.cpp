#include "dialogs/appearance/datum_page.h"
#include "resources/136.h"

namespace topodlg {
using namespace res136;

CDatumPage::CDatumPage() : CDialog(kTemplateId) {
  OnNotify(IDC_DATUM, CBN_SELCHANGE, [this] { OnDatumChosen(); });
  OnClicked(IDC_WORLD_FRAME, [this] {
    m_worldFrame = m_worldFrame == 0 ? 1 : 0;
    CheckDlgButton(IDC_WORLD_FRAME, m_worldFrame == 1);
  });
}

void CDatumPage::Load(const MapSpecSettings& s) {
  m_datum = s.datum;
  m_worldFrame = s.worldFrame;
}

void CDatumPage::Store(MapSpecSettings& s) const {
  s.datum = m_datum;
  s.worldFrame = m_worldFrame;
}

// A datum outside the list selects nothing and is returned as it came.
bool CDatumPage::OnInitDialog() {
  CDialog::OnInitDialog();
  GetDlgItem(IDC_DATUM)->SetCurSel(m_datum);
  CheckDlgButton(IDC_WORLD_FRAME, m_worldFrame == 1);
  return true;
}

// The Tokyo datum shows the frame box cleared; the member keeps its value.
void CDatumPage::OnDatumChosen() {
  const int selected = GetDlgItem(IDC_DATUM)->GetCurSel();
  if (selected < 0) return;
  m_datum = selected;
  CheckDlgButton(IDC_WORLD_FRAME, m_datum == 1 && m_worldFrame == 1);
}

}  // namespace topodlg
