#include "dialogs/appearance/lake_page.h"
#include "resources/206.h"

namespace topodlg {
using namespace res206;

namespace {

int Flipped(int flag) { return flag == 1 ? 0 : 1; }

}  // namespace

// A name or elevation box follows its flag only while its parent (lakes or
// reservoirs) is on; otherwise it stays clear and the flag keeps its value.
CLakePage::CLakePage() : CDialog(kTemplateId) {
  BindToggle(m_lakes, IDC_LAKES);
  OnClicked(IDC_LAKES, [this] { ShowBoxes(); });
  BindToggle(m_reservoirs, IDC_RESERVOIRS);
  OnClicked(IDC_RESERVOIRS, [this] { ShowBoxes(); });
  OnClicked(IDC_LAKE_NAMES, [this] { if (m_lakes == 1) m_lakeNames = Flipped(m_lakeNames); ShowBoxes(); });
  OnClicked(IDC_LAKE_ELEVATION, [this] { if (m_lakes == 1) m_lakeElevation = Flipped(m_lakeElevation); ShowBoxes(); });
  OnClicked(IDC_RESERVOIR_NAMES, [this] {
    if (m_reservoirs == 1) m_reservoirNames = Flipped(m_reservoirNames);
    ShowBoxes();
  });
  OnClicked(IDC_RESERVOIR_ELEVATION, [this] {
    if (m_reservoirs == 1) m_reservoirElevation = Flipped(m_reservoirElevation);
    ShowBoxes();
  });
  BindRadio(m_reservoirLength, {{IDC_FIVE_KM, 0}, {IDC_ONE_KM, 1}}).Otherwise(IDC_ONE_KM);
}

void CLakePage::Load(const MapSpecSettings& s) {
  m_lakes = s.lakes;
  m_lakeNames = s.lakeNames;
  m_lakeElevation = s.lakeElevation;
  m_reservoirs = s.reservoirs;
  m_reservoirNames = s.reservoirNames;
  m_reservoirElevation = s.reservoirElevation;
  m_reservoirLength = s.reservoirLength;
}

void CLakePage::Store(MapSpecSettings& s) const {
  s.lakes = m_lakes;
  s.lakeNames = m_lakeNames;
  s.lakeElevation = m_lakeElevation;
  s.reservoirs = m_reservoirs;
  s.reservoirNames = m_reservoirNames;
  s.reservoirElevation = m_reservoirElevation;
  s.reservoirLength = m_reservoirLength;
}

bool CLakePage::OnInitDialog() {
  CDialog::OnInitDialog();
  ShowBoxes();
  return true;
}

void CLakePage::ShowBoxes() {
  const bool lakes = m_lakes == 1, reservoirs = m_reservoirs == 1;
  CheckDlgButton(IDC_LAKES, lakes);
  CheckDlgButton(IDC_LAKE_NAMES, lakes && m_lakeNames == 1);
  CheckDlgButton(IDC_LAKE_ELEVATION, lakes && m_lakeElevation == 1);
  CheckDlgButton(IDC_RESERVOIRS, reservoirs);
  CheckDlgButton(IDC_RESERVOIR_NAMES, reservoirs && m_reservoirNames == 1);
  CheckDlgButton(IDC_RESERVOIR_ELEVATION, reservoirs && m_reservoirElevation == 1);
}

}  // namespace topodlg
