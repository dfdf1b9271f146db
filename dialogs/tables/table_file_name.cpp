#include "dialogs/tables/table_file_name.h"

namespace topodlg {

CString TableFileForUpdate(const CString& text) {
  const int blank = text.ReverseFind(' ');
  if (blank < 0) return text;
  const CString path = text.Left(blank);
  const CString extension = text.Mid(blank + 1);
  const int dot = FindNoCase(path, ".cs");
  if (dot < 0) return extension;
  return path.Left(dot + 1) + extension;
}

}  // namespace topodlg
