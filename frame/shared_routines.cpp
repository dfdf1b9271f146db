#include "frame/shared_routines.h"

#include "platform/codepage.h"
#include "platform/common_dialogs.h"
#include "platform/path_map.h"
#include "platform/process.h"

namespace topodlg {
namespace {

// A word of the program's command line that names a file in library form (a
// drive letter, or a "\" in it) is handed to the program as a host path.
std::string HostArgument(const CString& word) {
  const bool drive = word.GetLength() >= 2 && word[1] == ':';
  if (drive || word.Find('\\') >= 0) {
    std::string host = HostPath(word);
    if (!host.empty()) return host;
  }
  return Cp932ToUtf8(word.view());
}

}  // namespace

// The command line is program + " " + file, as the editor has always been
// started. Nothing is cut at any length: a long path still opens the right file.
// The program's words are split without a shell; the file is one argument, so a
// blank or a quote in its name cannot split it or run anything.
void RunEditorAndWait(const CString& program, const CString& file) {
  if (file.IsEmpty()) return;
  const CString commandLine = program + " " + file;
  std::vector<std::string> argv;
  for (const CString& word : ProgramCommandWords(program)) argv.push_back(HostArgument(word));
  // Without a program the command line would start with the file itself: a
  // data file is never run as a program, so nothing starts.
  const bool noProgram = argv.empty();
  argv.push_back(HostArgument(file));
  std::optional<int> exit = noProgram ? std::nullopt : RunProgramAndWait(argv);
  ReportProgramRun({commandLine, std::move(argv), exit});
}

CString BrowseForFile(const CString& defaultExtension, const CString& initialName, const CString& filter) {
  MessageBeep();
  const CString fullFilter = filter + "|All files (*.*)|*.*||";
  CFileDialog picker(true, defaultExtension.c_str(), initialName.c_str(), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     fullFilter.c_str());
  if (picker.DoModal() != IDOK) return {};
  return ToLower(picker.GetPathName());
}

}  // namespace topodlg
