// Texts from arguments and data files that name programs and files: command
// lines, names confined to the data directory, library paths, numbers.
#include "fuzz/fuzz_support.h"
#include "platform/confined_name.h"
#include "platform/path_map.h"
#include "platform/process.h"

using namespace topodlg;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CString text(std::string_view(reinterpret_cast<const char*>(data), size));
  SplitCommandLine(text);
  if (IsConfinedName(text)) {
    fuzz::Check(text[0] != '\\' && text[0] != '/' && text.Find(':') < 0, "a confined name has no root or drive");
    fuzz::Check(text != ".." && text.Find("\\..\\") < 0 && text.Find("/../") < 0 && text.Left(3) != "..\\" &&
                    text.Left(3) != "../",
                "a confined name never goes up");
  }
  DriveMap drives;
  drives.Map('D', fuzz::ScratchFolder());
  if (text.GetLength() >= 2 && text[1] == ':') drives.ToHost(text);
  drives.ToLibrary(text.str());
  Atoi(text);
  Atof(text);
  CString lower = ToLower(text);
  lower.MakeUpper();
  lower.Replace("\\", "/");
  return 0;
}
