#include "dialogs/appearance/datum_page.h"

namespace topodlg {
namespace {

enum Control : int {
  kDatum = 1064,
  kWorldFrame = 1066,
};

}  // namespace

CDatumPage::CDatumPage() : CDialog(kTemplateId) {
  OnNotify(kDatum, CBN_SELCHANGE, [this] { OnDatumChosen(); });
  OnClicked(kWorldFrame, [this] {
    m_worldFrame = m_worldFrame == 0 ? 1 : 0;
    CheckDlgButton(kWorldFrame, m_worldFrame == 1);
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
  GetDlgItem(kDatum)->SetCurSel(m_datum);
  CheckDlgButton(kWorldFrame, m_worldFrame == 1);
  return true;
}

// The Tokyo datum shows the frame box cleared; the member keeps its value.
void CDatumPage::OnDatumChosen() {
  const int selected = GetDlgItem(kDatum)->GetCurSel();
  if (selected < 0) return;
  m_datum = selected;
  CheckDlgButton(kWorldFrame, m_datum == 1 && m_worldFrame == 1);
}

}  // namespace topodlg
