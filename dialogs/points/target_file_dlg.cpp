#include "dialogs/points/target_file_dlg.h"

#include "dialogs/points/file_list.h"
#include "dialogs/points/place_name_files.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/174.h"

namespace topodlg {
using namespace res174;
namespace {

// The target buttons, by target kind 1 to 7.
constexpr int kTargetButtons[] = {IDC_WHOLE_AREA, IDC_POINT_INFO, IDC_REGIONAL, IDC_TEXT_IMAGE,
                                  IDC_LANDMARK,   IDC_PREFECTURE, IDC_TABLE};

const char* const kRegistrationTitle = "    地点を登録する地点名ﾌｧｲﾙ";
const char* const kNoWholeAreaBar = " ────────────────";
const char* const kSiblingUpdateMessage = "｢テラノバ探訪記｣のデータファイルは\n本アプリケーションで更新できません！";
const char* const kSiblingRegistrationMessage =
    "｢テラノバ探訪記｣のデータファイルは\n本アプリケーションで登録できません！";

// Fields of the result: an empty file travels as "*" so that the host's split
// keeps its place.
CString OrStar(const CString& text) { return text.IsEmpty() ? CString("*") : text; }

}  // namespace

CTargetFileDlg::CTargetFileDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_WHOLE_AREA, [this] { OnWholeArea(); });
  OnClicked(IDC_REGIONAL, [this] { OnRegional(); });
  OnClicked(IDC_POINT_INFO, [this] { OnPointInfo(); });
  OnClicked(IDC_TEXT_IMAGE, [this] { OnTextImage(); });
  OnClicked(IDC_LANDMARK, [this] { OnLandmark(); });
  OnClicked(IDC_PREFECTURE, [this] { OnPrefecture(); });
  OnClicked(IDC_TABLE, [this] { OnTable(); });
  OnClicked(IDC_NEW_POINT_INFO, [this] {
    OnNewFile({IDC_POINT_INFO, IDC_POINT_INFO_FILE, kPointInfo, &m_pointInfoFile, &m_pointInfoFlag}, "EXPLFILE.dat");
  });
  OnClicked(IDC_NEW_TEXT_IMAGE, [this] {
    OnNewFile({IDC_TEXT_IMAGE, IDC_TEXT_IMAGE_FILE, kTextImage, &m_textImageFile, &m_textImageFlag}, "DATAFILE.dat");
  });
  OnClicked(IDC_STOP, [this] { OnStop(); });
}

bool CTargetFileDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (IsUpdate()) {
    // Only a registration can start a new file.
    SetDlgItemText(IDC_NEW_POINT_INFO, "");
    SetDlgItemText(IDC_NEW_TEXT_IMAGE, "");
  } else {
    // Whole-area files take no new places.
    SetWindowText(kRegistrationTitle);
    SetDlgItemText(IDC_STOP, "登録中止");
    SetDlgItemText(IDC_WHOLE_AREA, "＊＊＊＊");
    SetDlgItemText(IDC_WHOLE_AREA_FILE, kNoWholeAreaBar);
    if (m_targetKind == kWholeArea) m_targetKind = kRegional;
  }
  if (!m_wholeAreaFile.IsEmpty() && m_targetKind == kWholeArea && IsUpdate()) {
    SetDlgItemText(IDC_WHOLE_AREA_FILE, ToLower(m_wholeAreaFile));
  }
  if (!IsUpdate()) {
    ShowRegistrationRegionalFile();
  } else if (!m_regionalFile.IsEmpty() && m_regionalFlag == 3) {
    SetDlgItemText(IDC_REGIONAL_FILE, m_regionalFile);
  }
  if (!m_pointInfoFile.IsEmpty()) SetDlgItemText(IDC_POINT_INFO_FILE, m_pointInfoFile);
  if (!m_textImageFile.IsEmpty()) SetDlgItemText(IDC_TEXT_IMAGE_FILE, m_textImageFile);
  if (m_landmarkFlag == 1) SetDlgItemText(IDC_LANDMARK_FILE, m_landmarkFile);
  if (m_tableFlag == 1) SetDlgItemText(IDC_TABLE_FILE, m_dataDirectory + "MAPELMNT\\STTSTCS.DAT");
  return true;
}

// A registration goes to the regional file of the current map, which is made
// empty when it is missing. When the folder Local20 is missing nothing is made
// and nothing is said: the name is still shown and returned, so the host knows
// which file it is, and counting it later gives 0 lines. A map file that gives
// no name leaves the regional file "" (returned as "*").
void CTargetFileDlg::ShowRegistrationRegionalFile() {
  m_regionalFile = RegionalPlaceNamePath(m_dataDirectory, m_mapFile);
  if (!m_regionalFile.IsEmpty()) CreateEmptyFileIfMissing(m_regionalFile);
  SetDlgItemText(IDC_REGIONAL_FILE, m_regionalFile);
}

// Ticks the button of `kind` and unticks the others. The whole-area button is
// ticked only while its toggle is on, and any other target turns the toggle off.
void CTargetFileDlg::Refresh(int kind) {
  if (kind > kWholeArea) m_wholeAreaToggle = -1;
  for (int k = kWholeArea; k <= kTable; ++k) {
    const bool ticked = k == kind && (k != kWholeArea || m_wholeAreaToggle == 1);
    CheckDlgButton(kTargetButtons[k - 1], ticked ? BST_CHECKED : BST_UNCHECKED);
  }
}

void CTargetFileDlg::OnWholeArea() {
  if (!IsUpdate()) {
    Untick(IDC_WHOLE_AREA);
    return;
  }
  m_targetKind = kWholeArea;
  m_wholeAreaToggle = m_wholeAreaToggle == 1 ? -1 : 1;
  Refresh(m_targetKind);
  SetDlgItemText(IDC_POINT_INFO_FILE, "");
  SetDlgItemText(IDC_REGIONAL_FILE, "");
  if (!m_wholeAreaFile.IsEmpty()) SetDlgItemText(IDC_WHOLE_AREA_FILE, m_wholeAreaFile);
}

void CTargetFileDlg::OnRegional() {
  if (m_targetKind == kRegional) {
    Deselect();
    return;
  }
  if (IsUpdate() && m_regionalFile.IsEmpty()) return;
  if (!IsUpdate() || m_regionalFlag == 3) {
    m_targetKind = kRegional;
    Refresh(m_targetKind);
    SetDlgItemText(IDC_REGIONAL_FILE, m_regionalFile);
    SetDlgItemText(IDC_POINT_INFO_FILE, "");
  } else {
    m_targetKind = kNone;
    Refresh(m_targetKind);
    SetDlgItemText(IDC_REGIONAL_FILE, "");
  }
}

void CTargetFileDlg::OnPointInfo() {
  OnFileTarget({IDC_POINT_INFO, IDC_POINT_INFO_FILE, kPointInfo, &m_pointInfoFile, &m_pointInfoFlag});
}

// The sibling product's text and image data can be neither updated nor
// registered here: the user is told, and the button stays unticked.
void CTargetFileDlg::OnTextImage() {
  if (m_targetKind != kTextImage && !m_textImageFile.IsEmpty() && m_siblingDataFlag == 1) {
    AfxMessageBox(IsUpdate() ? kSiblingUpdateMessage : kSiblingRegistrationMessage, MB_ICONEXCLAMATION);
    Untick(IDC_TEXT_IMAGE);
    return;
  }
  OnFileTarget({IDC_TEXT_IMAGE, IDC_TEXT_IMAGE_FILE, kTextImage, &m_textImageFile, &m_textImageFlag});
}

void CTargetFileDlg::OnFileTarget(const FileTarget& target) {
  if (m_targetKind == target.kind) {
    Deselect();
    return;
  }
  if (target.file->IsEmpty()) {
    Untick(target.button);
    return;
  }
  if (IsUpdate()) {
    if (*target.flag == 1) {
      m_targetKind = target.kind;
      Refresh(m_targetKind);
      SetDlgItemText(target.box, *target.file);
    } else {
      m_targetKind = kNone;
      Refresh(m_targetKind);
      SetDlgItemText(target.box, "");
    }
  } else {
    if (*target.flag == 1) {
      m_targetKind = target.kind;
      SetDlgItemText(target.box, *target.file);
    }
    Refresh(m_targetKind);
  }
}

void CTargetFileDlg::OnLandmark() {
  if (m_targetKind == kLandmark) {
    Deselect();
  } else if (m_landmarkFlag == 1) {
    m_targetKind = kLandmark;
    Refresh(m_targetKind);
  } else {
    Untick(IDC_LANDMARK);
  }
}

// The prefecture button keeps its own tick: only the kind follows it.
void CTargetFileDlg::OnPrefecture() { m_targetKind = m_targetKind == kPrefecture ? kNone : kPrefecture; }

void CTargetFileDlg::OnTable() {
  if (m_targetKind == kTable) {
    Deselect();
  } else if (m_tableFlag == 1) {
    m_targetKind = kTable;
    Refresh(m_targetKind);
  } else {
    Untick(IDC_TABLE);
  }
}

// A new data file: the user names it, it is registered in its file list and
// becomes the target. The data file itself is made by the host when it writes
// the first record. The list is appended to without a duplicate check; when it
// cannot be written the user is told and the new file is still the target, so
// nothing the user chose is lost and nothing registered before is touched.
void CTargetFileDlg::OnNewFile(const FileTarget& target, const char* listName) {
  if (IsUpdate()) return;
  CFileDialog picker(false, "", "", OFN_OVERWRITEPROMPT, "All files (*.*)|*.*||", this);
  if (picker.DoModal() != IDOK) return;
  const CString path = picker.GetPathName();
  *target.file = path;
  SetDlgItemText(target.box, path);
  const CString listPath = m_dataDirectory + listName;
  if (!AppendFileListEntry(listPath, path)) AfxFileErrorBox(listPath);
  if (path.IsEmpty()) return;
  m_targetKind = target.kind;
  Refresh(m_targetKind);
  const bool pointInfo = target.kind == kPointInfo;
  m_pointInfoFlag = pointInfo ? 1 : 0;
  m_textImageFlag = pointInfo ? 0 : 1;
}

void CTargetFileDlg::OnStop() {
  m_targetKind = kStop;
  EndDialog(IDOK);
}

// A whole-area target counts only while its toggle is on.
void CTargetFileDlg::OnOK() {
  if (m_targetKind == kWholeArea && m_wholeAreaToggle == -1) m_targetKind = kNone;
  EndDialog(IDOK);
}

CString CTargetFileDlg::Result() const {
  return CString::Formatted("%d %d %d %d ", m_targetKind, m_pointInfoFlag, m_textImageFlag, 1) +
         OrStar(m_pointInfoFile) + "|" + OrStar(m_regionalFile) + "|" + OrStar(m_textImageFile);
}

CString entry::OnDlgUdpf(int mode, int regionalFlag, int textImageFlag, int siblingDataFlag, int landmarkAndTableFlags,
                         int targetKind, int pointInfoFlag, CString mapFile, CString dataDirectory,
                         CString wholeAreaFile, CString pointInfoFile, CString regionalFile, CString textImageFile,
                         CString landmarkFile) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CTargetFileDlg dlg;
  dlg.m_mode = mode;
  dlg.m_regionalFlag = regionalFlag;
  dlg.m_textImageFlag = textImageFlag;
  dlg.m_siblingDataFlag = siblingDataFlag;
  dlg.m_landmarkFlag = landmarkAndTableFlags / 10;
  dlg.m_tableFlag = landmarkAndTableFlags % 10;
  dlg.m_targetKind = targetKind;
  dlg.m_pointInfoFlag = pointInfoFlag;
  dlg.m_mapFile = mapFile;
  dlg.m_dataDirectory = dataDirectory;
  dlg.m_wholeAreaFile = wholeAreaFile;
  dlg.m_pointInfoFile = pointInfoFile;
  dlg.m_regionalFile = regionalFile;
  dlg.m_textImageFile = textImageFile;
  dlg.m_landmarkFile = landmarkFile;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
