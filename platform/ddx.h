// Data exchange and validation between controls and dialog members, with the
// framework's own messages when an edit does not hold what its member needs.
#pragma once

#include "platform/cstring.h"

namespace topodlg {

class CDialog;

class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  // Remembers the control being exchanged, for the focus after a failure.
  void PrepareCtrl(int id) { m_idLastControl = id; }
  // Ends the exchange: focus goes to the last control; UpdateData returns false.
  [[noreturn]] void Fail();

  CDialog* m_pDlgWnd;
  bool m_bSaveAndValidate;
  int m_idLastControl = 0;
};

void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, float& value);
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// Combo box text: on the way in, selects the first item that begins with the
// value, else (with an edit field) sets the edit text.
void DDX_CBString(CDataExchange* pDX, int id, CString& value);
// The same, selecting only an item equal to the value.
void DDX_CBStringExact(CDataExchange* pDX, int id, CString& value);
// `value` is the index of the checked radio of the group that starts at id.
void DDX_Radio(CDataExchange* pDX, int id, int& value);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int min, int max);
void DDV_MinMaxFloat(CDataExchange* pDX, float value, float min, float max);

// The framework's messages (also used where a dialog reports the same problem).
CString ParseIntMessage();
CString ParseRealMessage();
CString IntRangeMessage(int min, int max);
CString RealRangeMessage(double min, double max);

}  // namespace topodlg
