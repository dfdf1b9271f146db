#include "dialogs/tables/point_list_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/142.h"

namespace topodlg {
using namespace res142;
namespace {

constexpr int kTabCount = 3;
constexpr const char* kTabLabels[kTabCount] = {"ﾃｷｽﾄ・画像", "ｳｪﾌﾞﾍﾟｰｼﾞ", "表形式ﾃﾞｰﾀ"};

}  // namespace

CPointListDlg::CPointListDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_TABS, TCN_SELCHANGE, [this] { OnTabChanged(); });
}

CPointPage& CPointListDlg::PageOfTab(int tab) {
  switch (tab) {
    case 1: return m_webPagePage;
    case 2: return m_tablePage;
    default: return m_textImagePage;
  }
}

// The pages are filled before they are created, so each shows its lists from
// the start. A first tab outside 0..2 opens on the first tab.
bool CPointListDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const CString statistics = m_dataDirectory.IsEmpty() ? CString() : m_dataDirectory + kStatisticsListName;
  const PointRecordSets textImage = ReadTextImageRecords(m_textImageFile, m_bounds);
  m_textImagePage.SetRecords(textImage.textImage);
  m_webPagePage.SetRecords(textImage.webPages);
  m_tablePage.SetRecords(ReadPointRecords(statistics, m_bounds, PointRecordKind::Table));
  // The tabs first: a page takes its place below the tab labels.
  CWnd* tabs = GetDlgItem(IDC_TABS);
  for (int i = 0; i < kTabCount; ++i) tabs->InsertItem(i, kTabLabels[i]);
  m_textImagePage.Create(CTextImagePage::kTemplateId, this);
  m_webPagePage.Create(CWebPagePage::kTemplateId, this);
  m_tablePage.Create(CTablePage::kTemplateId, this);

  if (m_currentTab < 0 || m_currentTab >= kTabCount) m_currentTab = 0;
  tabs->SetCurSel(m_currentTab);
  PageOfTab(m_currentTab).ShowWindow(SW_SHOW);
  return true;
}

void CPointListDlg::OnTabChanged() {
  const int tab = GetDlgItem(IDC_TABS)->GetCurSel();
  if (tab < 0 || tab >= kTabCount) return;
  PageOfTab(m_currentTab).ShowWindow(SW_HIDE);
  m_currentTab = tab;
  PageOfTab(m_currentTab).ShowWindow(SW_SHOW);
}

// The point chosen on the page on show counts; a choice on another page does not.
void CPointListDlg::OnOK() {
  m_result = PageOfTab(m_currentTab).Chosen();
  EndDialog(IDOK);
}

CString entry::OnFileTableSelect(int firstTab, CString lowest2, CString lowest1, CString highest2, CString highest1,
                                 CString textImageFile, CString dataDirectory) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CPointListDlg dlg;
  dlg.m_currentTab = firstTab;
  dlg.m_bounds = {lowest2, lowest1, highest2, highest1};
  dlg.m_textImageFile = textImageFile;
  dlg.m_dataDirectory = dataDirectory;
  if (dlg.DoModal() == IDOK) result = dlg.m_result;
  return result;
}

}  // namespace topodlg
