// The sample calls in examples/demo.txt: for each, a title, the script the demo
// plays, and the entry function with its arguments over the sample data
// (drive D: is examples/data). The graphical host prefills its fields from them;
// the gallery and the benchmark open each dialog with them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace topodlg::gui {

struct SampleCall {
  std::string title;
  std::string scriptFile;          // a file name in examples/scripts
  std::vector<std::string> words;  // the entry function, then its arguments
};

// The lines of `demo.txt` in the examples folder, in order; none when it is missing.
std::vector<SampleCall> ReadSampleCalls(const std::filesystem::path& examples);
// The first sample call of an entry function, or nullptr.
const SampleCall* SampleFor(const std::vector<SampleCall>& calls, const std::string& entry);

// The words of a line as the shell reads them: blanks separate, '...' is literal,
// "..." keeps blanks and takes \" and \\.
std::vector<std::string> ShellWords(const std::string& line);

}  // namespace topodlg::gui
