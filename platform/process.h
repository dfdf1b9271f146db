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
