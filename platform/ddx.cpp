#include "platform/ddx.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdlib>

#include "platform/common_dialogs.h"
#include "platform/dialog.h"

namespace topodlg {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The framework's strict reading: blanks around one number and nothing else.
bool ParseWholeInt(const CString& text, long long& value) {
  const char* p = text.c_str();
  while (IsBlank(*p)) ++p;
  char* end = nullptr;
  errno = 0;
  value = std::strtoll(p, &end, 10);
  if (end == p || errno == ERANGE) return false;
  while (IsBlank(*end)) ++end;
  return *end == '\0';
}

bool ParseWholeReal(const CString& text, double& value) {
  const char* p = text.c_str();
  while (IsBlank(*p)) ++p;
  // Hexadecimal numbers, infinities and NaN are not numbers to a user.
  for (const char* q = p; *q; ++q) {
    if (*q == 'x' || *q == 'X' || *q == 'n' || *q == 'N' || *q == 'i' || *q == 'I') return false;
  }
  char* end = nullptr;
  errno = 0;
  value = std::strtod(p, &end);
  if (end == p || errno == ERANGE) return false;
  while (IsBlank(*end)) ++end;
  return *end == '\0';
}

CString ControlText(CDataExchange* pDX, int id) { return pDX->m_pDlgWnd->GetDlgItem(id)->GetWindowText(); }

void SetTextIfChanged(CDataExchange* pDX, int id, const CString& text) {
  CWnd* control = pDX->m_pDlgWnd->GetDlgItem(id);
  if (control->GetWindowText() != text) control->SetWindowText(text);
}

void FailWith(CDataExchange* pDX, const CString& message) {
  AfxMessageBox(message, MB_ICONEXCLAMATION);
  pDX->Fail();
}

CString FormatReal(double value, int digits) { return CString::Formatted("%.*g", digits, value); }

}  // namespace

void CDataExchange::Fail() {
  if (m_idLastControl != 0 && m_pDlgWnd->FindControl(m_idLastControl)) {
    m_pDlgWnd->MoveFocus(m_pDlgWnd, m_idLastControl);
  }
  throw this;
}

CString ParseIntMessage() { return "整数を入力してください。"; }
CString ParseRealMessage() { return "数値を入力してください。"; }
CString IntRangeMessage(int min, int max) { return CString::Formatted("%d から %d までの整数を入力してください。", min, max); }
CString RealRangeMessage(double min, double max) {
  return FormatReal(min, FLT_DIG) + " から " + FormatReal(max, FLT_DIG) + " までの数値を入力してください。";
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
  pDX->PrepareCtrl(id);
  if (pDX->m_bSaveAndValidate) {
    long long v;
    if (!ParseWholeInt(ControlText(pDX, id), v) || v < INT_MIN || v > INT_MAX) FailWith(pDX, ParseIntMessage());
    value = static_cast<int>(v);
  } else {
    SetTextIfChanged(pDX, id, CString::Formatted("%d", value));
  }
}

void DDX_Text(CDataExchange* pDX, int id, float& value) {
  pDX->PrepareCtrl(id);
  if (pDX->m_bSaveAndValidate) {
    double v;
    if (!ParseWholeReal(ControlText(pDX, id), v) || v > FLT_MAX || v < -FLT_MAX) FailWith(pDX, ParseRealMessage());
    value = static_cast<float>(v);
  } else {
    SetTextIfChanged(pDX, id, FormatReal(value, FLT_DIG));
  }
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
  pDX->PrepareCtrl(id);
  if (pDX->m_bSaveAndValidate) {
    value = ControlText(pDX, id);
  } else {
    SetTextIfChanged(pDX, id, value);
  }
}

void DDX_CBString(CDataExchange* pDX, int id, CString& value) {
  pDX->PrepareCtrl(id);
  CWnd* combo = pDX->m_pDlgWnd->GetDlgItem(id);
  if (pDX->m_bSaveAndValidate) {
    value = combo->GetWindowText();
  } else if (combo->SelectString(-1, value) == CB_ERR) {
    const bool hasEdit = (combo->Template().style & style::kComboTypeMask) != style::kComboDropDownList;
    if (hasEdit) combo->SetWindowText(value);
  }
}

void DDX_CBStringExact(CDataExchange* pDX, int id, CString& value) {
  pDX->PrepareCtrl(id);
  CWnd* combo = pDX->m_pDlgWnd->GetDlgItem(id);
  if (pDX->m_bSaveAndValidate) {
    value = combo->GetWindowText();
  } else {
    int i = combo->FindStringExact(-1, value);
    if (i != CB_ERR) {
      combo->SetCurSel(i);
    } else if ((combo->Template().style & style::kComboTypeMask) != style::kComboDropDownList) {
      combo->SetWindowText(value);
    }
  }
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
  pDX->PrepareCtrl(id);
  std::vector<CWnd*> radios;
  for (CWnd* c : pDX->m_pDlgWnd->GroupOf(id)) {
    if (c->Kind() == ControlKind::Radio) radios.push_back(c);
  }
  if (pDX->m_bSaveAndValidate) {
    value = -1;
    for (size_t i = 0; i < radios.size(); ++i) {
      if (radios[i]->GetCheck()) value = static_cast<int>(i);
    }
  } else {
    for (size_t i = 0; i < radios.size(); ++i) radios[i]->SetCheck(static_cast<int>(i) == value ? 1 : 0);
  }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int min, int max) {
  if (pDX->m_bSaveAndValidate && (value < min || value > max)) FailWith(pDX, IntRangeMessage(min, max));
}

void DDV_MinMaxFloat(CDataExchange* pDX, float value, float min, float max) {
  if (pDX->m_bSaveAndValidate && (value < min || value > max)) FailWith(pDX, RealRangeMessage(min, max));
}

}  // namespace topodlg
