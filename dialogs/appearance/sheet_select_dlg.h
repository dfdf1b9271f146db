// Choosing a regional map sheet for the white map (dialog 177): one sheet or a
// block of 3 × 3 sheets from the sheet catalogue, filtered by region.
#pragma once

#include <vector>

#include "dialogs/appearance/sheet_catalogue.h"
#include "platform/dialog.h"

namespace topodlg {

class CSheetSelectDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 177;
  static constexpr int kOneSheet = 1, kNineSheets = 2;
  CSheetSelectDlg();

  // "%d|" with the sheet mode, then the sheet name, "|", the region.
  CString Result() const;

  int m_selectedLine = -1;  // index into m_lines, -1 none
  int m_lineCount = 0;      // sheets listed for the region
  int m_sheetMode = kOneSheet;
  std::vector<CString> m_lines;  // the kept catalogue lines
  RegionBounds m_bounds;
  CString m_region;
  CString m_sheetName;
  CString m_meshCode;

 protected:
  bool OnInitDialog() override;

 private:
  void ListSheets();
  void OnRegion(const char* region);
  void OnSheetChosen();
};

}  // namespace topodlg
