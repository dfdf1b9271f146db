// What the three tab pages of the registered point list share: their record
// lines, lists whose items each stand for one record line, and the chosen
// record with its coordinates shown.
#pragma once

#include <vector>

#include "platform/dialog.h"

namespace topodlg {

class CPointPage : public CDialog {
 public:
  // A page holds at most this many lines, the end marker included.
  static constexpr int kCapacity = 3000;
  static constexpr const char* kEndMarker = "999";

  explicit CPointPage(int templateId) : CDialog(templateId) {}

  // The page's record lines, given before the page is created (at most 2999
  // are kept; the end marker follows them).
  void SetRecords(const std::vector<CString>& records);
  // The chosen record line; "" until a point is chosen on this page.
  const CString& Chosen() const { return m_chosen; }

 protected:
  // Fills a list with field 0 of every record line, among the first `limit`,
  // that `keep` accepts; returns, for each item, the position of its line.
  std::vector<int> FillList(int listId, bool (*keep)(const CString&), int limit = kCapacity);
  // Makes a list's selection change and double click choose the record of the
  // item (a double click does not close the dialog).
  void OnChoose(int listId, std::function<void()> handler);
  // The record of the selected item of a list: becomes the chosen line, and
  // its coordinates and note are shown. False when nothing is selected.
  bool ChooseFrom(int listId, const std::vector<int>& positions);
  int RecordCount() const;

 private:
  std::vector<CString> m_records;  // record lines, then the end marker
  CString m_chosen;
};

}  // namespace topodlg
