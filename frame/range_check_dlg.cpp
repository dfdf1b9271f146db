#include "frame/range_check_dlg.h"

#include <algorithm>

#include "frame/entries.h"
#include "platform/module_state.h"
#include "platform/spin_step.h"
#include "resources/131.h"

namespace topodlg {
using namespace res131;
namespace {

// The preset spans: south-east corner = north-west corner + n cells each way.
constexpr struct {
  int id;
  int cells;
} kSpans[] = {{IDC_SPAN_20, 20}, {IDC_SPAN_40, 40}, {IDC_SPAN_60, 60}, {IDC_SPAN_80, 80}};

}  // namespace

CRangeCheckDlg::CRangeCheckDlg() : CDialog(kTemplateId) {
  // The arrow buttons move a corner by one cell: "→" adds to x, "▽" to y (y
  // grows southwards).
  const auto cornerChanged = [this] { OnCornerChanged(); };
  BindSpin(m_northWestX, IDC_NORTH_WEST_X_RIGHT, IDC_NORTH_WEST_X_LEFT).Then(cornerChanged);
  BindSpin(m_northWestY, IDC_NORTH_WEST_Y_DOWN, IDC_NORTH_WEST_Y_UP).Then(cornerChanged);
  BindSpin(m_southEastX, IDC_SOUTH_EAST_X_RIGHT, IDC_SOUTH_EAST_X_LEFT).Then(cornerChanged);
  BindSpin(m_southEastY, IDC_SOUTH_EAST_Y_DOWN, IDC_SOUTH_EAST_Y_UP).Then(cornerChanged);
  for (const auto& span : kSpans) OnClicked(span.id, [this, cells = span.cells] { OnSpan(cells); });
  // Typed corners count at once, unchecked; the extents wait for a button.
  const struct {
    int id;
    int* member;
  } edits[] = {{IDC_NORTH_WEST_X, &m_northWestX}, {IDC_NORTH_WEST_Y, &m_northWestY},
               {IDC_SOUTH_EAST_X, &m_southEastX}, {IDC_SOUTH_EAST_Y, &m_southEastY}};
  for (const auto& edit : edits) {
    OnNotify(edit.id, EN_CHANGE, [this, id = edit.id, member = edit.member] { *member = Atoi(GetDlgItemText(id)); });
  }
  OnClicked(IDC_SHOW_ON_MAP, [this] { OnShowOnMap(); });
}

void CRangeCheckDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_NORTH_WEST_X, m_northWestX);
  DDX_Text(pDX, IDC_NORTH_WEST_Y, m_northWestY);
  DDX_Text(pDX, IDC_SOUTH_EAST_X, m_southEastX);
  DDX_Text(pDX, IDC_SOUTH_EAST_Y, m_southEastY);
}

bool CRangeCheckDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ComputeExtents();
  ShowExtents();
  return true;
}

// After a button the range is brought back inside the map data, then measured.
void CRangeCheckDlg::OnCornerChanged() {
  m_northWestX = std::max(m_northWestX, m_smallestX);
  m_northWestY = std::max(m_northWestY, m_smallestY);
  m_southEastX = std::min(m_southEastX, m_largestX);
  m_southEastY = std::min(m_southEastY, m_largestY);
  ComputeExtents();
  UpdateData(false);
  ShowExtents();
}

void CRangeCheckDlg::OnSpan(int cells) {
  m_southEastX = StepBy(m_northWestX, cells);
  m_southEastY = StepBy(m_northWestY, cells);
  OnCornerChanged();
}

// The edits are taken over as far as they hold integers; the dialog ends with
// 1 in any case so that the host shows the range it got.
void CRangeCheckDlg::OnShowOnMap() {
  m_showOnMap = 2;
  UpdateData(true);
  EndDialog(IDOK);
}

void CRangeCheckDlg::ComputeExtents() {
  // The cell size text is "width,height"; without a comma the width part is
  // empty (0) and the whole text is the height.
  const int comma = m_cellSize.Find(',');
  const double cellWidth = Atof(comma < 0 ? CString() : m_cellSize.Left(comma));
  const double cellHeight = Atof(m_cellSize.Mid(comma + 1));
  const double dx = static_cast<double>(m_southEastX) - m_northWestX;
  const double dy = static_cast<double>(m_southEastY) - m_northWestY;
  double eastWest, northSouth;
  if (m_mapKind == "USER") {
    eastWest = (dx + 1) * m_userCellWidth * 0.001;
    northSouth = (dy + 1) * m_userCellHeight * 0.001;
  } else if (m_mapKind.Find("広域") >= 0) {
    eastWest = dx * cellWidth * 0.004;
    northSouth = dy * cellHeight * 0.004;
  } else if (m_meshKind.Find("TEM") >= 0) {
    eastWest = (dx + 1) * cellWidth * 0.004;
    northSouth = (dy + 1) * cellHeight * 0.004;
  } else {
    eastWest = (dx + 1) * cellWidth * 0.001;
    northSouth = (dy + 1) * cellHeight * 0.001;
  }
  m_eastWestKm = static_cast<float>(eastWest);
  m_northSouthKm = static_cast<float>(northSouth);
}

void CRangeCheckDlg::ShowExtents() {
  SetDlgItemText(IDC_EAST_WEST_KM, CString::Formatted("%5.1f", m_eastWestKm));
  SetDlgItemText(IDC_NORTH_SOUTH_KM, CString::Formatted("%5.1f", m_northSouthKm));
}

CString CRangeCheckDlg::Result() const {
  return CString::Formatted("%d %d %d %d %d %f %f", m_northWestX, m_northWestY, m_southEastX, m_southEastY,
                            m_showOnMap, m_eastWestKm, m_northSouthKm);
}

CString entry::OnDlgRangeSet(int /*unused*/, int northWestX, int northWestY, int southEastX, int southEastY,
                             int smallestX, int smallestY, int largestX, int largestY, float userCellWidth,
                             float userCellHeight, CString cellSize, CString meshKind, CString mapKind) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CRangeCheckDlg dlg;
  dlg.m_northWestX = northWestX;
  dlg.m_northWestY = northWestY;
  dlg.m_southEastX = southEastX;
  dlg.m_southEastY = southEastY;
  dlg.m_smallestX = smallestX;
  dlg.m_smallestY = smallestY;
  dlg.m_largestX = largestX;
  dlg.m_largestY = largestY;
  dlg.m_userCellWidth = userCellWidth;
  dlg.m_userCellHeight = userCellHeight;
  dlg.m_cellSize = cellSize;
  dlg.m_meshKind = meshKind;
  dlg.m_mapKind = mapKind;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
