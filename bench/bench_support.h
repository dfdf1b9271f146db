// What the benchmarks share: the clocks, entry arguments from kind letters,
// timed calls through the scripted user and a temporary data folder.
#pragma once

#include <string>
#include <vector>

#include "frame/entry_table.h"

namespace topodlg::bench {

// Milliseconds on the monotonic clock.
double WallMs();
// Milliseconds of processor time of this process: on a busy machine the wall
// clock says more about the other processes than about the call.
double ProcessorMs();

// The arguments of an entry function: one kind letter ('i', 'r' or 's') per
// value, as the entry table writes them.
std::vector<EntryArg> Args(const char* kinds, const std::vector<std::string>& values);

// Mean times of one call.
struct Timing {
  double wallMs;
  double cpuMs;
};

// Calls entry `name` `calls` times, each worked by a new scripted user with
// `script`; the last result goes to `last`.
Timing TimeCalls(const char* name, const std::vector<EntryArg>& args, int calls, std::string& last,
                 const std::string& script = "enter\n");

// The folder `parent`/`stem`-PID: made when constructed, removed with all it
// holds when destroyed.
class TempFolder {
 public:
  explicit TempFolder(const std::string& stem, const std::string& parent = "/tmp");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

}  // namespace topodlg::bench
