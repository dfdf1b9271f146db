#include "dialogs/clips/map_clip_dlg.h"

#include "dialogs/clips/map_kind.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/188.h"

namespace topodlg {
using namespace res188;
namespace {

// An empty value would shift the host's split of the result and of the clip
// record it stores: it travels as "*".
CString Field(const CString& value) { return (value.IsEmpty() ? CString("*") : value) + "|"; }

CString UpToFirstBlank(const CString& text) {
  const int blank = text.Find(' ');
  return blank < 0 ? text : text.Left(blank);
}

}  // namespace

CMapClipDlg::CMapClipDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_GROUPS, CBN_SELCHANGE, [this] { OnSelectGroup(); });
}

void CMapClipDlg::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_TITLE, m_title); }

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

  SetDlgItemText(IDC_MAP_NAME, m_mapName);
  SetDlgItemText(IDC_MAP_FILE, m_mapFile);
  SetDlgItemText(IDC_MESH_CODE, m_meshCode);
  SetDlgItemText(IDC_MESH_COORDS, m_meshCoordText);
  SetDlgItemText(IDC_KIND, m_kind);
  SetDlgItemText(IDC_MESH_TOTAL, m_meshTotal);
  SetDlgItemText(IDC_SOUTH_WEST_SECOND, UpToFirstBlank(m_corners[0]));
  SetDlgItemText(IDC_SOUTH_WEST_FIRST, m_corners[1]);
  SetDlgItemText(IDC_NORTH_EAST_SECOND, m_corners[2]);
  SetDlgItemText(IDC_NORTH_EAST_FIRST, m_corners[3]);
  SetDlgItemText(IDC_PLACE_NAME_FILE, m_placeNameFile);
  SetDlgItemText(IDC_POINT_INFO_FILE, m_pointInfoFile);

  CWnd* groups = GetDlgItem(IDC_GROUPS);
  groups->ResetContent();
  for (const CString& name : m_groupNames) groups->AddString(name);
  groups->SetCurSel(0);
  m_group = 0;
  return true;
}

void CMapClipDlg::OnSelectGroup() {
  const int index = GetDlgItem(IDC_GROUPS)->GetCurSel();
  if (index < 0) return;
  m_group = index;
  SetDlgItemText(IDC_GROUP_LABEL, CString::Formatted("ｸﾞﾙｰﾌﾟ%d", index + 1));
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

CString entry::OnDlgMapClipper(int userBound1, int userBound2, int userBound3, int userBound4, int meshCoord1,
                               int meshCoord2, int meshCoord3, int meshCoord4, int subKind, CString groupName0,
                               CString groupName1, CString groupName2, CString groupName3, CString groupName4,
                               CString placeNameFile, CString pointInfoFile, CString southWestSecond,
                               CString southWestFirst, CString northEastSecond, CString northEastFirst, CString mapFile,
                               CString meshCode, CString mapName, CString /*unused*/) {
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

}  // namespace topodlg
