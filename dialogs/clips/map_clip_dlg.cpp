#include "dialogs/clips/map_clip_dlg.h"

#include "dialogs/clips/map_kind.h"
#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kMapName = 1289,
  kKind = 1290,
  kMeshCode = 1291,
  kMeshTotal = 1292,
  kNorthEastFirst = 1293,
  kNorthEastSecond = 1294,
  kSouthWestFirst = 1295,
  kSouthWestSecond = 1296,
  kPlaceNameFile = 1297,
  kPointInfoFile = 1298,
  kTitle = 1311,
  kMeshCoords = 1313,
  kMapFile = 1314,
  kGroups = 1319,
  kGroupLabel = 1325,
};

// An empty value would shift the host's split of the result and of the clip
// record it stores: it travels as "*".
CString Field(const CString& value) { return (value.IsEmpty() ? CString("*") : value) + "|"; }

CString UpToFirstBlank(const CString& text) {
  const int blank = text.Find(' ');
  return blank < 0 ? text : text.Left(blank);
}

}  // namespace

CMapClipDlg::CMapClipDlg() : CDialog(kTemplateId) {
  OnNotify(kGroups, CBN_SELCHANGE, [this] { OnSelectGroup(); });
}

void CMapClipDlg::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, kTitle, m_title); }

// The map name shown is the one the clip is stored under: a chosen range of a
// 50 m map is shown, and returned, as "指定した範囲".
bool CMapClipDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_meshCoordText = CString::Formatted("(%d,%d)->(%d,%d)", m_meshCoords[0], m_meshCoords[2], m_meshCoords[1],
                                       m_meshCoords[3]);
  const MapKind kind = DeriveMapKind(m_mapFile, m_mapName, m_subKind, m_userBounds);
  m_kind = kind.kind;
  m_meshTotal = kind.meshTotal;
  m_mapName = kind.mapName;

  SetDlgItemText(kMapName, m_mapName);
  SetDlgItemText(kMapFile, m_mapFile);
  SetDlgItemText(kMeshCode, m_meshCode);
  SetDlgItemText(kMeshCoords, m_meshCoordText);
  SetDlgItemText(kKind, m_kind);
  SetDlgItemText(kMeshTotal, m_meshTotal);
  SetDlgItemText(kSouthWestSecond, UpToFirstBlank(m_corners[0]));
  SetDlgItemText(kSouthWestFirst, m_corners[1]);
  SetDlgItemText(kNorthEastSecond, m_corners[2]);
  SetDlgItemText(kNorthEastFirst, m_corners[3]);
  SetDlgItemText(kPlaceNameFile, m_placeNameFile);
  SetDlgItemText(kPointInfoFile, m_pointInfoFile);

  CWnd* groups = GetDlgItem(kGroups);
  groups->ResetContent();
  for (const CString& name : m_groupNames) groups->AddString(name);
  groups->SetCurSel(0);
  m_group = 0;
  return true;
}

void CMapClipDlg::OnSelectGroup() {
  const int index = GetDlgItem(kGroups)->GetCurSel();
  if (index < 0) return;
  m_group = index;
  SetDlgItemText(kGroupLabel, CString::Formatted("ｸﾞﾙｰﾌﾟ%d", index + 1));
}

// "地図をクリップ" (and Enter): a clip needs a title.
void CMapClipDlg::OnOK() {
  UpdateData(true);
  if (m_title.IsEmpty()) {
    AfxMessageBox("地図タイトルを記入してください。", MB_ICONEXCLAMATION | MB_OK);
    return;
  }
  EndDialog(IDOK);
}

CString CMapClipDlg::Result() const {
  CString result;
  for (const CString* value : {&m_title, &m_mapName, &m_meshCode, &m_corners[0], &m_corners[1], &m_corners[2],
                               &m_corners[3], &m_placeNameFile, &m_pointInfoFile, &m_kind, &m_meshTotal,
                               &m_meshCoordText}) {
    result += Field(*value);
  }
  result.AppendFormat("%d", m_group);
  return result;
}

}  // namespace topodlg

extern "C" topodlg::CString OnDlgMapClipper(int userBound1, int userBound2, int userBound3, int userBound4,
                                            int meshCoord1, int meshCoord2, int meshCoord3, int meshCoord4,
                                            int subKind, topodlg::CString groupName0, topodlg::CString groupName1,
                                            topodlg::CString groupName2, topodlg::CString groupName3,
                                            topodlg::CString groupName4, topodlg::CString placeNameFile,
                                            topodlg::CString pointInfoFile, topodlg::CString southWestSecond,
                                            topodlg::CString southWestFirst, topodlg::CString northEastSecond,
                                            topodlg::CString northEastFirst, topodlg::CString mapFile,
                                            topodlg::CString meshCode, topodlg::CString mapName,
                                            topodlg::CString /*unused*/) {
  using namespace topodlg;
  AFX_MAINTAIN_STATE guard;
  CString result;
  CMapClipDlg dlg;
  dlg.m_userBounds = {userBound1, userBound2, userBound3, userBound4};
  dlg.m_meshCoords = {meshCoord1, meshCoord2, meshCoord3, meshCoord4};
  dlg.m_subKind = subKind;
  dlg.m_groupNames = {groupName0, groupName1, groupName2, groupName3, groupName4};
  dlg.m_placeNameFile = placeNameFile;
  dlg.m_pointInfoFile = pointInfoFile;
  dlg.m_corners = {southWestSecond, southWestFirst, northEastSecond, northEastFirst};
  dlg.m_mapFile = mapFile;
  dlg.m_meshCode = meshCode;
  dlg.m_mapName = mapName;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}
