#include "dialogs/appearance/lake_page.h"

namespace topodlg {
namespace {

enum Control : int {
  kReservoirNames = 1271,
  kReservoirs = 1272,
  kLakeNames = 1273,
  kFiveKm = 1274,
  kOneKm = 1275,
  kLakeElevation = 1285,
  kReservoirElevation = 1286,
  kLakes = 1367,
};

int Flipped(int flag) { return flag == 1 ? 0 : 1; }

}  // namespace

// A name or elevation box follows its flag only while its parent (lakes or
// reservoirs) is on; otherwise it stays clear and the flag keeps its value.
CLakePage::CLakePage() : CDialog(kTemplateId) {
  OnClicked(kLakes, [this] { m_lakes = Flipped(m_lakes); ShowBoxes(); });
  OnClicked(kReservoirs, [this] { m_reservoirs = Flipped(m_reservoirs); ShowBoxes(); });
  OnClicked(kLakeNames, [this] { if (m_lakes == 1) m_lakeNames = Flipped(m_lakeNames); ShowBoxes(); });
  OnClicked(kLakeElevation, [this] { if (m_lakes == 1) m_lakeElevation = Flipped(m_lakeElevation); ShowBoxes(); });
  OnClicked(kReservoirNames, [this] {
    if (m_reservoirs == 1) m_reservoirNames = Flipped(m_reservoirNames);
    ShowBoxes();
  });
  OnClicked(kReservoirElevation, [this] {
    if (m_reservoirs == 1) m_reservoirElevation = Flipped(m_reservoirElevation);
    ShowBoxes();
  });
  OnClicked(kFiveKm, [this] { m_reservoirLength = 0; });
  OnClicked(kOneKm, [this] { m_reservoirLength = 1; });
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
  CheckDlgButton(m_reservoirLength == 0 ? kFiveKm : kOneKm, 1);
  return true;
}

void CLakePage::ShowBoxes() {
  const bool lakes = m_lakes == 1, reservoirs = m_reservoirs == 1;
  CheckDlgButton(kLakes, lakes);
  CheckDlgButton(kLakeNames, lakes && m_lakeNames == 1);
  CheckDlgButton(kLakeElevation, lakes && m_lakeElevation == 1);
  CheckDlgButton(kReservoirs, reservoirs);
  CheckDlgButton(kReservoirNames, reservoirs && m_reservoirNames == 1);
  CheckDlgButton(kReservoirElevation, reservoirs && m_reservoirElevation == 1);
}

}  // namespace topodlg
