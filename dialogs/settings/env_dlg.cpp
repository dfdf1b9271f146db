#include "dialogs/settings/env_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/208.h"

namespace topodlg {
using namespace res208;
namespace {

const char* const kTabLabels[CEnvDlg::kTabCount] = {" 地図", "指定方法", " 分類名", " E＆V", "ﾃｷｽﾄ画像"};

}  // namespace

CEnvDlg::CEnvDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_TABS, TCN_SELCHANGING, [this] { OnTabChanging(); });
  OnNotify(IDC_TABS, TCN_SELCHANGE, [this] { OnTabChanged(); });
  OnClicked(IDC_START_IN_LAST_STATE, [this] { OnStartInLastState(); });
}

CDialog* CEnvDlg::PageAt(int tab) {
  CDialog* pages[kTabCount] = {&m_mapPage, &m_methodPage, &m_groupNamePage, &m_programPage, &m_textImagePage};
  return tab >= 0 && tab < kTabCount ? pages[tab] : nullptr;
}

// The pages are made when the dialog is first shown, last tab first, all
// hidden but the current tab's; the backend places them in the tab control's
// display area. A current tab outside the five selects no tab and shows no
// page until the user picks one.
bool CEnvDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CTabCtrl* tabs = GetDlgItem(IDC_TABS);
  tabs->DeleteAllItems();
  for (int i = 0; i < kTabCount; ++i) tabs->InsertItem(i, kTabLabels[i]);
  CheckDlgButton(IDC_START_IN_LAST_STATE, m_settings.startInLastState == 1);
  CreatePages();
  if (CDialog* page = PageAt(m_settings.currentTab)) page->ShowWindow(SW_SHOW);
  tabs->SetCurSel(m_settings.currentTab);
  return true;
}

void CEnvDlg::CreatePages() {
  if (m_pagesCreated) return;
  m_pagesCreated = true;
  // Each page starts from its own copy of every setting.
  m_mapPage.m_work = m_settings;
  m_methodPage.m_work = m_settings;
  m_groupNamePage.m_work = m_settings;
  m_programPage.m_work = m_settings;
  m_textImagePage.m_work = m_settings;
  for (int tab = kTabCount - 1; tab >= 0; --tab) {
    CDialog* page = PageAt(tab);
    page->Create(page->TemplateId(), this);
    page->ShowWindow(SW_HIDE);
  }
}

void CEnvDlg::OnTabChanging() {
  m_settings.currentTab = GetDlgItem(IDC_TABS)->GetCurSel();
  if (CDialog* page = PageAt(m_settings.currentTab)) page->ShowWindow(SW_HIDE);
}

void CEnvDlg::OnTabChanged() {
  m_settings.currentTab = GetDlgItem(IDC_TABS)->GetCurSel();
  if (CDialog* page = PageAt(m_settings.currentTab)) page->ShowWindow(SW_SHOW);
}

// Without a state to return to ("" or "SETUP") the host cannot start in it.
void CEnvDlg::OnStartInLastState() {
  const bool noState = m_settings.stateText.IsEmpty() || m_settings.stateText == "SETUP";
  m_settings.startInLastState = noState ? 0 : (m_settings.startInLastState == 1 ? 0 : 1);
  CheckDlgButton(IDC_START_IN_LAST_STATE, m_settings.startInLastState == 1);
}

// Each page gives back what it shows; the editor, shown on two pages, comes
// from " E＆V". The data directory is the host's and is never changed here.
void CEnvDlg::OnOK() {
  EnvSettings& s = m_settings;
  const EnvSettings& map = m_mapPage.m_work;
  s.folder250m = map.folder250m;
  s.folder1kmElevation = map.folder1kmElevation;
  s.folder1kmAverage = map.folder1kmAverage;
  s.cdromDrive = map.cdromDrive;
  s.switchText = map.switchText;
  s.wholeAreaFile = map.wholeAreaFile;
  s.sheetPrecision = map.sheetPrecision;
  s.speedUp250m = map.speedUp250m;
  s.speedUp50m = map.speedUp50m;
  s.speedUp1km = map.speedUp1km;
  s.editor = map.editor;

  const EnvSettings& method = m_methodPage.m_work;
  s.whiteMapMethod = method.whiteMapMethod;
  s.projection = method.projection;
  s.rangeConfirmation = method.rangeConfirmation;
  s.confirmDistance = method.confirmDistance;
  s.confirmProfile = method.confirmProfile;
  s.indexMapAll = method.indexMapAll;
  s.indexMapGroups = method.indexMapGroups;

  s.groupNames = m_groupNamePage.m_work.groupNames;
  s.landmarkTypeNames = m_groupNamePage.m_work.landmarkTypeNames;

  const EnvSettings& program = m_programPage.m_work;
  s.editor = program.editor;
  s.viewer = program.viewer;
  s.jpgInApplication = program.jpgInApplication;

  const EnvSettings& text = m_textImagePage.m_work;
  s.brightness = text.brightness;
  s.frameWidth = text.frameWidth;
  s.showImages = text.showImages;
  s.showText = text.showText;
  s.registrationMode = text.registrationMode;
  s.siblingProgram = text.siblingProgram;
  CDialog::OnOK();
}

CString entry::OnDlgSystm(int startInLastState, int currentTab, int passedValue, int showText, int showImages,
                          int brightness, int frameWidth, int whiteMapMethod, int registrationMode, int projection,
                          int /*unused11*/, int /*unused12*/, int /*unused13*/, int indexMapAll, int indexMapGroup1,
                          int indexMapGroup2, int indexMapGroup3, int indexMapGroup4, int indexMapGroup5,
                          CString editorPath, CString wholeAreaFile, CString unused22, CString stateText,
                          CString dataDirectory, CString rangeConfirmation, CString folder250m,
                          CString folder1kmElevation, CString folder1kmAverage, CString switchText,
                          CString viewerPath, CString unused31, CString cdromPath, CString siblingProgram,
                          CString landmarkType1, CString landmarkType2, CString landmarkType3,
                          CString landmarkType4, CString landmarkType5, CString landmarkType6,
                          CString landmarkType7, CString landmarkType8, CString landmarkType9,
                          CString landmarkType10, CString landmarkType11, CString landmarkType12,
                          CString groupNames, int distanceFlags, int profileFlags) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CEnvDlg dlg;
  EnvArguments args;
  args.numbers = {startInLastState, currentTab, passedValue, showText,       showImages,
                  brightness,       frameWidth, whiteMapMethod, registrationMode, projection};
  args.indexMap = {indexMapAll, indexMapGroup1, indexMapGroup2, indexMapGroup3, indexMapGroup4, indexMapGroup5};
  args.texts = {editorPath,    wholeAreaFile,  unused22,      stateText,     dataDirectory,  rangeConfirmation,
                folder250m,    folder1kmElevation, folder1kmAverage, switchText, viewerPath, unused31,
                cdromPath,     siblingProgram, landmarkType1, landmarkType2, landmarkType3,  landmarkType4,
                landmarkType5, landmarkType6,  landmarkType7, landmarkType8, landmarkType9,  landmarkType10,
                landmarkType11, landmarkType12, groupNames};
  args.packedDistance = distanceFlags;
  args.packedProfile = profileFlags;
  dlg.m_settings = DecodeEnvArguments(args);
  if (dlg.DoModal() == IDOK) result = EncodeEnvResult(dlg.m_settings);
  return result;
}

}  // namespace topodlg
