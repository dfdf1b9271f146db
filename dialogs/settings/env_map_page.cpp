#include "dialogs/settings/env_map_page.h"

#include "dialogs/points/file_list_dlg.h"
#include "dialogs/settings/env_pickers.h"
#include "resources/212.h"

namespace topodlg {
using namespace res212;
namespace {

// The speed-up copies of the mesh data lie in a "binary\" folder of each mesh folder.
CString SpeedUpFolder(const CString& folder) { return ToLower(folder) + "binary\\"; }

}  // namespace

CEnvMapPage::CEnvMapPage() : CDialog(kTemplateId) {
  OnClicked(IDC_PICK_250M, [this] {
    OnPickFolder(IDC_FOLDER_250M, m_work.folder250m, "sem", "*.sem", "YMD files (*.ymd)|*.ymd");
  });
  OnClicked(IDC_PICK_1KM_ELEVATION, [this] {
    OnPickFolder(IDC_FOLDER_1KM_ELEVATION, m_work.folder1kmElevation, "tem", "*.tem", "TEM files (*.tem)|*.tem");
  });
  OnClicked(IDC_PICK_1KM_AVERAGE, [this] {
    OnPickFolder(IDC_FOLDER_1KM_AVERAGE, m_work.folder1kmAverage, "tem", "*.tem", "TEM files (*.tem)|*.tem");
  });
  OnClicked(IDC_DRIVE_PREVIOUS, [this] { m_work.cdromDrive = PreviousDrive(m_work.cdromDrive); ShowDrive(); });
  OnClicked(IDC_DRIVE_NEXT, [this] { m_work.cdromDrive = NextDrive(m_work.cdromDrive); ShowDrive(); });
  OnClicked(IDC_SPEED_UP_250M, [this] { OnSpeedUp250m(); });
  OnClicked(IDC_SPEED_UP_1KM, [this] { OnSpeedUp1km(); });
  BindToggle(m_work.speedUp50m, IDC_SPEED_UP_50M);
  BindRadio(m_work.sheetPrecision, {{IDC_PRECISION_NORMAL, 0}, {IDC_PRECISION_DOUBLE, 1}})
      .Otherwise(IDC_PRECISION_NORMAL);
  OnNotify(IDC_WHOLE_AREA_FILE, CBN_SELCHANGE, [this] {
    CWnd* combo = GetDlgItem(IDC_WHOLE_AREA_FILE);
    if (combo->GetCurSel() >= 0) m_work.wholeAreaFile = combo->GetLBText(combo->GetCurSel());
  });
  OnClicked(IDC_REGISTER_WHOLE_AREA, [this] { OnRegisterWholeArea(); });
}

bool CEnvMapPage::OnInitDialog() {
  CDialog::OnInitDialog();
  EnvSettings& w = m_work;
  if (!w.folder250m.IsEmpty()) SetDlgItemText(IDC_FOLDER_250M, ToLower(w.folder250m));
  if (!w.folder1kmElevation.IsEmpty()) SetDlgItemText(IDC_FOLDER_1KM_ELEVATION, w.folder1kmElevation);
  if (!w.folder1kmAverage.IsEmpty()) SetDlgItemText(IDC_FOLDER_1KM_AVERAGE, w.folder1kmAverage);

  // The drive comes from the CD-ROM data path once; when the initialisation
  // runs again after a registration, the drive the user chose stays.
  if (!m_driveDerived) w.cdromDrive = DriveOfCdromPath(w.cdromPath);
  m_driveDerived = true;
  ShowDrive();
  w.switchText = "on";

  // "RESET" asks for the first registered file. With no registered file (no
  // PNTFILE.dat, or an empty first line) there is none to name: the
  // whole-area file becomes "" rather than sending "RESET" back as a name.
  CWnd* combo = GetDlgItem(IDC_WHOLE_AREA_FILE);
  combo->ResetContent();
  const std::vector<CString> files = ReadWholeAreaList(w.dataDirectory);
  for (const CString& file : files) combo->AddString(file);
  if (w.wholeAreaFile == "RESET") w.wholeAreaFile = files.empty() ? CString() : files.front();
  if (!w.wholeAreaFile.IsEmpty()) combo->SetWindowText(ToLower(w.wholeAreaFile));

  if (w.speedUp250m >= 1) {
    CheckDlgButton(IDC_SPEED_UP_250M, 1);
    if (!w.folder250m.IsEmpty()) SetDlgItemText(IDC_FOLDER_250M, SpeedUpFolder(w.folder250m));
  }
  if (w.speedUp50m >= 1) {
    CheckDlgButton(IDC_SPEED_UP_50M, 1);
    if (!w.folder1kmElevation.IsEmpty()) SetDlgItemText(IDC_FOLDER_1KM_ELEVATION, SpeedUpFolder(w.folder1kmElevation));
  }
  if (w.speedUp1km >= 1) {
    CheckDlgButton(IDC_SPEED_UP_1KM, 1);
    if (!w.folder1kmElevation.IsEmpty()) SetDlgItemText(IDC_FOLDER_1KM_ELEVATION, SpeedUpFolder(w.folder1kmElevation));
    if (!w.folder1kmAverage.IsEmpty()) SetDlgItemText(IDC_FOLDER_1KM_AVERAGE, SpeedUpFolder(w.folder1kmAverage));
  }
  return true;
}

void CEnvMapPage::ShowDrive() { SetDlgItemText(IDC_CDROM_DRIVE, m_work.cdromDrive); }

void CEnvMapPage::OnPickFolder(int edit, CString& folder, const char* defaultExtension, const char* initialName,
                               const char* filter) {
  const CString picked = PickMeshFolder(defaultExtension, initialName, filter);
  if (picked.IsEmpty()) return;
  folder = picked;
  SetDlgItemText(edit, picked);
}

// The speed-up copy can only be used where there is a folder to take it from.
// The check box always shows the flag as it ends up.
void CEnvMapPage::OnSpeedUp250m() {
  EnvSettings& w = m_work;
  if (w.speedUp250m == 1) {
    w.speedUp250m = 0;
    if (!w.folder250m.IsEmpty()) SetDlgItemText(IDC_FOLDER_250M, ToLower(w.folder250m));
  } else if (w.folder250m.IsEmpty()) {
    w.speedUp250m = 0;
  } else {
    w.speedUp250m = 1;
    SetDlgItemText(IDC_FOLDER_250M, SpeedUpFolder(w.folder250m));
  }
  CheckDlgButton(IDC_SPEED_UP_250M, w.speedUp250m);
}

// The 1 km speed-up covers both 1 km folders; the average folder decides last.
void CEnvMapPage::OnSpeedUp1km() {
  EnvSettings& w = m_work;
  if (w.speedUp1km == 1) {
    w.speedUp1km = 0;
    if (!w.folder1kmElevation.IsEmpty()) SetDlgItemText(IDC_FOLDER_1KM_ELEVATION, w.folder1kmElevation);
    if (!w.folder1kmAverage.IsEmpty()) SetDlgItemText(IDC_FOLDER_1KM_AVERAGE, w.folder1kmAverage);
  } else {
    if (!w.folder1kmElevation.IsEmpty()) {
      w.speedUp1km = 1;
      SetDlgItemText(IDC_FOLDER_1KM_ELEVATION, SpeedUpFolder(w.folder1kmElevation));
    } else {
      w.speedUp1km = 0;
    }
    if (w.folder1kmAverage.IsEmpty()) {
      w.speedUp1km = 0;
    } else {
      w.speedUp1km = 1;
      SetDlgItemText(IDC_FOLDER_1KM_AVERAGE, SpeedUpFolder(w.folder1kmAverage));
    }
  }
  CheckDlgButton(IDC_SPEED_UP_1KM, w.speedUp1km);
}

// A new registration (or an edited list) may have changed which file is
// first: the page then takes the first registered file afresh.
void CEnvMapPage::OnRegisterWholeArea() {
  FileListRun run = RunFileListDlg("WHOLEAREA", m_work.wholeAreaFile, m_work.dataDirectory, m_work.editor);
  if (run.Confirmed() && !run.chosenFile.IsEmpty()) {
    m_work.wholeAreaFile = run.chosenFile;
    SetDlgItemText(IDC_WHOLE_AREA_FILE, run.chosenFile);
  }
  if (run.CallerResets()) {
    m_work.wholeAreaFile = "RESET";
    OnInitDialog();
  }
}

}  // namespace topodlg
