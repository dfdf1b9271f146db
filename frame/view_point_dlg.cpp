#include "frame/view_point_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/130.h"

namespace topodlg {
using namespace res130;
namespace {

// The direction buttons and the azimuth each one sets; the caption becomes the
// direction text.
constexpr struct {
  int id;
  int azimuth;
} kDirections[] = {{IDC_DIRECTION_N, 0},   {IDC_DIRECTION_NE, 45},  {IDC_DIRECTION_E, 90},  {IDC_DIRECTION_SE, 135},
                   {IDC_DIRECTION_S, 180}, {IDC_DIRECTION_SW, 225}, {IDC_DIRECTION_W, 270}, {IDC_DIRECTION_NW, 315}};

constexpr int kAngleButtonStep = 5;  // degrees
constexpr int kDirectionDepression = 30;

// The compass direction that names an azimuth; the four main directions have
// a wider sector than the diagonals.
const char* DirectionOf(int azimuth) {
  if (azimuth >= 15 && azimuth <= 75) return "NE";
  if (azimuth >= 76 && azimuth <= 104) return "E";
  if (azimuth >= 105 && azimuth <= 165) return "SE";
  if (azimuth >= 166 && azimuth <= 194) return "S";
  if (azimuth >= 195 && azimuth <= 255) return "SW";
  if (azimuth >= 256 && azimuth <= 284) return "W";
  if (azimuth >= 285 && azimuth <= 345) return "NW";
  return "N";
}

}  // namespace

CViewPointDlg::CViewPointDlg() : CDialog(kTemplateId) {
  // The block bottom moves in steps that suit the height of the terrain:
  // finer for low ground.
  BindSpin(m_blockBottom, IDC_BLOCK_BOTTOM_UP, IDC_BLOCK_BOTTOM_DOWN)
      .Step([this](int) { return m_lowest <= 100 ? 10 : (m_lowest <= 400 ? 50 : 100); })
      .Min(0);
  // The azimuth goes round: "△" past 360 starts again at 0, "▽" below 0 at
  // 360. Each button wraps only at its own end, so a typed 400 steps down to 395.
  BindSpin(m_azimuth, IDC_AZIMUTH_UP, IDC_AZIMUTH_DOWN).Step(kAngleButtonStep).Wrap(0, 360).Then([this] {
    m_direction = DirectionOf(m_azimuth);
    UpdateData(false);
  });
  BindSpin(m_depression, IDC_DEPRESSION_UP, IDC_DEPRESSION_DOWN).Step(kAngleButtonStep).Min(0).Max(90);
  BindSpin(m_angleStep, IDC_ANGLE_STEP_UP, IDC_ANGLE_STEP_DOWN).Step(kAngleButtonStep).Min(5).Max(30);
  BindSpin(m_exaggeration, IDC_EXAGGERATION_UP, IDC_EXAGGERATION_DOWN).Step(0.1f).Min(0.1f);
  for (const auto& d : kDirections) OnClicked(d.id, [this, id = d.id, azimuth = d.azimuth] { OnDirection(id, azimuth); });

  // A value the dialog does not know selects no radio.
  BindRadio(m_hiddenLines, {{IDC_HIDDEN_TYPE1, 2}, {IDC_HIDDEN_TYPE2, 1}, {IDC_NO_HIDDEN_LINES, -1}});
  OnClicked(IDC_CONTOURS, [this] { m_relief = 1; });
  OnClicked(IDC_WIRE_FRAME, [this] { OnWireFrame(0); });
  OnClicked(IDC_WIRE_NORTH_SOUTH, [this] { OnWireFrame(1); });
  OnClicked(IDC_WIRE_EAST_WEST, [this] { OnWireFrame(2); });
  BindRadio(m_frameInterval, {{IDC_NORMAL_FRAMES, 0}, {IDC_COARSE_FRAMES, 1}}).Otherwise(IDC_COARSE_FRAMES);

  // Typed values count at once and unchecked, so that "地図表示", which takes
  // no edit over, shows what the user sees.
  const struct {
    int id;
    int* member;
  } intEdits[] = {{IDC_DEPRESSION, &m_depression}, {IDC_AZIMUTH, &m_azimuth}, {IDC_BLOCK_BOTTOM, &m_blockBottom},
                  {IDC_ANGLE_STEP, &m_angleStep}};
  for (const auto& edit : intEdits) {
    OnNotify(edit.id, EN_CHANGE, [this, id = edit.id, member = edit.member] { *member = Atoi(GetDlgItemText(id)); });
  }
  OnNotify(IDC_EXAGGERATION, EN_CHANGE,
           [this] { m_exaggeration = static_cast<float>(Atof(GetDlgItemText(IDC_EXAGGERATION))); });
  OnClicked(IDC_SHOW_ON_MAP, [this] { OnShowOnMap(); });
}

void CViewPointDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_HIGHEST, m_highest);
  DDX_Text(pDX, IDC_LOWEST, m_lowest);
  DDX_Text(pDX, IDC_BLOCK_BOTTOM, m_blockBottom);
  DDX_Text(pDX, IDC_AZIMUTH, m_azimuth);
  DDX_Text(pDX, IDC_DEPRESSION, m_depression);
  DDX_Text(pDX, IDC_ANGLE_STEP, m_angleStep);
  DDV_MinMaxInt(pDX, m_angleStep, 5, 30);
  DDX_Text(pDX, IDC_EXAGGERATION, m_exaggeration);
  DDX_Text(pDX, IDC_DIRECTION, m_direction);
}

bool CViewPointDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // The relief radios show two members: contours, or the direction of the wire frame.
  int reliefRadio = 0;
  if (m_relief == 1) {
    reliefRadio = IDC_CONTOURS;
  } else if (m_wireDirection == 0) {
    reliefRadio = IDC_WIRE_FRAME;
  } else if (m_wireDirection == 1) {
    reliefRadio = IDC_WIRE_NORTH_SOUTH;
  } else if (m_wireDirection == 2) {
    reliefRadio = IDC_WIRE_EAST_WEST;
  }
  CheckRadioButton(IDC_CONTOURS, IDC_WIRE_EAST_WEST, reliefRadio);
  return true;
}

void CViewPointDlg::OnDirection(int id, int azimuth) {
  m_depression = kDirectionDepression;
  m_azimuth = azimuth;
  m_direction = GetDlgItemText(id);
  UpdateData(false);
}

void CViewPointDlg::OnWireFrame(int direction) {
  m_relief = 2;
  m_wireDirection = direction;
}

// Ends without the exchange: the members already hold what was typed.
void CViewPointDlg::OnShowOnMap() {
  m_showOnMap = 1;
  EndDialog(IDOK);
}

CString CViewPointDlg::Result() const {
  return CString::Formatted("%d %d %d %d %d %d %d %d %d %f", m_blockBottom, m_hiddenLines, m_angleStep, m_relief,
                            m_wireDirection, m_frameInterval, m_azimuth, m_depression, m_showOnMap, m_exaggeration);
}

CString entry::OnDlgViewPoint(int highest, int lowest, int blockBottom, int azimuth, int depression, int angleStep,
                              int hiddenLines, int relief, int wireDirection, int frameInterval, float exaggeration,
                              CString direction) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CViewPointDlg dlg;
  dlg.m_highest = highest;
  dlg.m_lowest = lowest;
  dlg.m_blockBottom = blockBottom;
  dlg.m_azimuth = azimuth;
  dlg.m_depression = depression;
  dlg.m_angleStep = angleStep;
  dlg.m_hiddenLines = hiddenLines;
  dlg.m_relief = relief;
  dlg.m_wireDirection = wireDirection;
  dlg.m_frameInterval = frameInterval;
  dlg.m_exaggeration = exaggeration;
  dlg.m_direction = direction;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
