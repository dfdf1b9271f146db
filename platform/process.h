// Starting an external program without a shell and waiting for it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/cstring.h"

namespace topodlg {

// Splits a command line into words the way the original platform's programs
// read theirs: blanks separate, double quotes group, 2n backslashes before a
// quote give n and a literal quote needs an odd count.
std::vector<CString> SplitCommandLine(const CString& commandLine);

// The words of an editor command as the library starts it. A quoted program
// ("\"C:\\My Tools\\ed.exe\" -n") splits as the quotes say. An unquoted one
// with blanks in its path ("/x/my editor/ed.sh -n") is taken as the LONGEST
// leading run of words that names an executable regular file, then the
// remaining words as its options: "/x/my editor/ed.sh" with "-n". (The
// original platform takes the shortest run that names any file, so a file
// planted at "/x/my" would run instead of the editor; this rule never prefers
// a shorter name when the longer one is a program.) When no run names an
// executable file the words are taken as they split, the first one looked up
// in PATH.
std::vector<CString> ProgramCommandWords(const CString& program);

// True for a regular file that this process may execute (library path).
bool IsExecutableFile(const CString& libraryPath);

// Runs argv[0] (searched in PATH when it has no "/") with the arguments and
// waits. Returns the exit status, or nothing when it could not be started.
std::optional<int> RunProgramAndWait(const std::vector<std::string>& argv);

// A program the library ran (the external editor), as the backend hears of it.
struct ProgramRun {
  CString commandLine;            // the command line as the library built it
  std::vector<std::string> argv;  // what the program was given (host paths, UTF-8)
  std::optional<int> exit;        // nothing when it did not start
};
// Tells the backend of the call, if there is one.
void ReportProgramRun(const ProgramRun& run);

}  // namespace topodlg
