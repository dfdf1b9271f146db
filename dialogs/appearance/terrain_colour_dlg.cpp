#include "dialogs/appearance/terrain_colour_dlg.h"

#include "dialogs/appearance/color_scheme_files.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/187.h"

namespace topodlg {
using namespace res187;
namespace {

// The methods in list order with the host's codes.
constexpr struct {
  const char* text;
  int code;
} kMethods[] = {
    {"標高(陰影処理Ａ/高速)", 6}, {"標高(陰影処理Ｂ/中速)", 7}, {"標高(メッシュ/高速)", 5},
    {"標高(等高線/低速)", 2},     {"地形無着色", 3},
};
constexpr int kMethodCount = 5;
// The reduced mode lists only the first and the third method.
constexpr int kReducedMethods[] = {0, 2};

constexpr const char* kSlowWarning = "描画が遅くなります!";
constexpr const char* kGradationMark = "濃淡";
// Shaded methods (codes 6 and up) draw slowly at intervals below this.
constexpr int kSlowBelowInterval = 200;
constexpr int kMinInterval = 80;

}  // namespace

CTerrainColourDlg::CTerrainColourDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_SCHEME, CBN_SELCHANGE, [this] { OnSchemeChange(); });
  OnNotify(IDC_METHOD, CBN_SELCHANGE, [this] { OnMethodChange(); });
  // 80, 90, 100, 200, 300, ...
  BindSpin(m_interval, IDC_INTERVAL_UP, IDC_INTERVAL_DOWN)
      .Step([](int m) { return m < 100 ? 10 : 100; }, [](int m) { return m <= 100 ? 10 : 100; })
      .Min(kMinInterval)
      .Then([this] { UpdateDetail(false); });
  OnClicked(IDC_CONTOUR, [this] { OnContourCheck(); });
}

void CTerrainColourDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_INTERVAL, m_interval);
  DDX_Text(pDX, IDC_HIGHEST, m_highest);
  DDX_Text(pDX, IDC_LOWEST, m_lowest);
}

bool CTerrainColourDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CComboBox* schemes = GetDlgItem(IDC_SCHEME);
  schemes->ResetContent();
  for (const CString& name : ReadSchemeNames(m_dataDir + kSchemeIndexName)) schemes->AddString(name);
  schemes->SetCurSel(m_schemePosition);
  FillMethods();
  CheckDlgButton(IDC_CONTOUR, m_contourLines != kContourOff);
  ShowSlowWarningIfNeeded();
  return true;
}

void CTerrainColourDlg::FillMethods() {
  CComboBox* methods = GetDlgItem(IDC_METHOD);
  if (m_reducedMode != 0) {
    for (int position : kReducedMethods) methods->AddString(kMethods[position].text);
    methods->SetCurSel(m_method);
    return;
  }
  int selected = -1;
  for (int position = 0; position < kMethodCount; ++position) {
    methods->AddString(kMethods[position].text);
    if (kMethods[position].code == m_method) selected = position;
  }
  methods->SetCurSel(selected);
  if (m_method == kNoColouring && m_keepSchemeName == 0) SetDlgItemText(IDC_SCHEME, "");
}

void CTerrainColourDlg::ShowSlowWarningIfNeeded() {
  if (m_method >= 6 && m_interval < kSlowBelowInterval) SetDlgItemText(IDC_STATUS, kSlowWarning);
}

// Coarser intervals need less detail; fine ones more, when the map is high
// enough to show twenty or more colour steps.
void CTerrainColourDlg::UpdateDetail(bool schemeChanged) {
  // An interval of 0 (or a host's overflow) counts as fewer than twenty steps.
  const long long steps = m_interval != 0 ? static_cast<long long>(m_highest) / m_interval : 0;
  if (schemeChanged) m_detail = 1;
  if (m_interval >= 320) {
    m_detail = 0;
  } else if (m_interval >= 160) {
    m_detail = 1;
  } else if (m_interval >= kMinInterval) {
    m_detail = steps >= 20 ? 2 : 1;
  }
  if (m_detail > 1 && steps < 20) m_detail = 1;
  if (m_interval >= kSlowBelowInterval) {
    SetDlgItemText(IDC_STATUS, "");
  } else {
    ShowSlowWarningIfNeeded();
  }
  UpdateData(false);
}

void CTerrainColourDlg::OnSchemeChange() {
  CComboBox* schemes = GetDlgItem(IDC_SCHEME);
  m_schemePosition = schemes->GetCurSel();
  m_gradation = schemes->GetLBText(m_schemePosition).Find(kGradationMark) >= 0 ? 1 : 0;
  UpdateDetail(true);
}

void CTerrainColourDlg::OnMethodChange() {
  const int position = GetDlgItem(IDC_METHOD)->GetCurSel();
  if (m_reducedMode != 0) {
    m_method = position;
    return;
  }
  // A list without a selection chooses no method: the method stays.
  if (position < 0 || position >= kMethodCount) return;
  const int previous = m_method;
  m_method = kMethods[position].code;
  if (m_method == kNoColouring) {
    // Without colouring the map shows its contour lines.
    m_contourLines = 1;
    CheckDlgButton(IDC_CONTOUR, 1);
    if (m_keepSchemeName == 0) SetDlgItemText(IDC_SCHEME, "");
  }
  if (previous == kNoColouring && m_method != kNoColouring) GetDlgItem(IDC_SCHEME)->SetCurSel(m_schemePosition);
  ShowSlowWarningIfNeeded();
  UpdateData(false);
}

void CTerrainColourDlg::OnContourCheck() {
  if (m_method == kNoColouring) {
    m_contourLines = 1;
  } else {
    m_contourLines = m_contourLines == kContourOff ? 1 : kContourOff;
  }
  CheckDlgButton(IDC_CONTOUR, m_contourLines != kContourOff);
}

CString CTerrainColourDlg::Result() const {
  int method = m_method;
  // The host's reduced view wants the codes of its two methods back; another
  // reduced-mode value gets the list position as it is.
  if (m_reducedMode == 1 && (m_method == 0 || m_method == 1)) method = kMethods[kReducedMethods[m_method]].code;
  return CString::Formatted("%d %d %d %d %d %d", m_interval, m_detail, m_schemePosition, method, m_gradation,
                            m_contourLines);
}

CString entry::OnDlgMapType(int highest, int lowest, int contourLines, int interval, int detail, int schemePosition,
                            int method, int gradation, int reducedMode, CString dataDir) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CTerrainColourDlg dlg;
  dlg.m_highest = highest;
  dlg.m_lowest = lowest;
  dlg.m_contourLines = contourLines;
  dlg.m_interval = interval;
  dlg.m_detail = detail;
  dlg.m_schemePosition = schemePosition;
  // Method and "keep scheme name" share one value: method + 100 x keep. The
  // reduced mode knows two methods, the mesh one (code 5) and the shaded one.
  dlg.m_keepSchemeName = method / 100;
  dlg.m_method = reducedMode == 0 ? method % 100 : (method % 100 == 5 ? 1 : 0);
  dlg.m_gradation = gradation;
  dlg.m_reducedMode = reducedMode;
  dlg.m_dataDir = dataDir;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
