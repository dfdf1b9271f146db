// Calls OnDlgContour through the scripted user many times in one process and
// prints calls per second: once through the library's entry table with a parsed
// script, once through the whole topodlg command path (script file, log).
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "tools/scripted/cli.h"

namespace {

constexpr int kCalls = 10000;
const char* kScript = "click 109\ntype 105 \"4\"\nclick 125\nclick 1200\nselect 1401 3\nclick 140\n";

}  // namespace

int main() {
  using namespace topodlg;
  using namespace topodlg::bench;
  std::string last;
  const double library =
      TimeCalls("OnDlgContour", Args("iiiiiiiiiii", {"10", "99", "5", "990", "0", "0", "0", "1", "2", "0", "103"}),
                kCalls, last, kScript)
          .wallMs *
      kCalls / 1e3;
  std::printf("OnDlgContour, scripted user, %d calls: %.0f calls/s (result \"%s\")\n", kCalls, kCalls / library,
              last.c_str());

  const TempFolder temp("contourbench");
  const std::string scriptPath = temp.Path() + "/script.txt";
  std::ofstream(scriptPath) << kScript;
  std::FILE* devnull = std::fopen("/dev/null", "w");
  const std::vector<std::string> command = {"call", "OnDlgContour", "10", "99", "5", "990", "0", "0",
                                            "0", "1", "2", "0", "103", "--script", scriptPath, "--log", "/dev/null"};
  const double start = WallMs();
  for (int i = 0; i < kCalls; ++i) RunTopodlg(command, devnull, devnull);
  const double whole = (WallMs() - start) / 1e3;
  std::printf("OnDlgContour, whole topodlg command path, %d calls: %.0f calls/s\n", kCalls, kCalls / whole);
  std::fclose(devnull);
  return 0;
}
