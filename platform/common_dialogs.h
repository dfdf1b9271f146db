// The framework's message box, beep, file pickers and colour picker. Each asks
// the backend of the call and records what happened in the event log.
#pragma once

#include <cstdint>

#include "platform/cstring.h"
#include "platform/gdi.h"
#include "platform/window.h"  // IDOK, IDCANCEL

namespace topodlg {

class CDialog;

constexpr unsigned MB_OK = 0x0, MB_OKCANCEL = 0x1;
constexpr unsigned MB_ICONHAND = 0x10, MB_ICONSTOP = 0x10, MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30,
                   MB_ICONASTERISK = 0x40, MB_ICONINFORMATION = 0x40;

// Shows a message box and returns IDOK or IDCANCEL.
int AfxMessageBox(const CString& text, unsigned type = MB_OK);
// The framework's message for a file that could not be read or written.
void AfxFileErrorBox(const CString& path);
void MessageBeep(unsigned type = 0xFFFFFFFF);

constexpr unsigned OFN_OVERWRITEPROMPT = 0x2, OFN_HIDEREADONLY = 0x4, OFN_NOCHANGEDIR = 0x8,
                   OFN_PATHMUSTEXIST = 0x800, OFN_FILEMUSTEXIST = 0x1000;

class CFileDialog {
 public:
  CFileDialog(bool openFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
              unsigned flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
              CDialog* parent = nullptr);
  int DoModal();  // IDOK or IDCANCEL
  CString GetPathName() const { return m_path; }
  // The name after the last "\".
  CString GetFileName() const;
  // The name without its extension.
  CString GetFileTitle() const;
  CString GetFileExt() const;

  unsigned m_flags;

 private:
  bool m_open;
  CString m_defaultExtension;
  CString m_fileName;
  CString m_filter;
  CString m_path;
};

constexpr unsigned CC_RGBINIT = 0x1, CC_FULLOPEN = 0x2;

class CColorDialog {
 public:
  explicit CColorDialog(COLORREF initial = 0, unsigned flags = 0, CDialog* parent = nullptr);
  int DoModal();  // IDOK or IDCANCEL
  COLORREF GetColor() const { return m_color; }

 private:
  COLORREF m_initial;
  COLORREF m_color;
};

}  // namespace topodlg
