// The registered point list (142): the registered points inside the map on
// show, on three tab pages by what is attached to them; OK returns the record
// line of the point chosen on the current page.
#pragma once

#include <array>

#include "dialogs/tables/point_records.h"
#include "dialogs/tables/table_page.h"
#include "dialogs/tables/text_image_page.h"
#include "dialogs/tables/web_page_page.h"
#include "platform/dialog.h"

namespace topodlg {

class CPointListDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 142;
  CPointListDlg();

  int m_currentTab = 0;  // 0 text and image, 1 web pages, 2 table data
  PointBounds m_bounds;
  CString m_textImageFile;
  CString m_dataDirectory;
  CString m_result;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  void OnTabChanged();
  CPointPage& PageOfTab(int tab);

  CTextImagePage m_textImagePage;
  CWebPagePage m_webPagePage;
  CTablePage m_tablePage;
};

}  // namespace topodlg
