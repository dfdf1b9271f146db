// Two calls the registered data lists make often on big files: OnFileTableSelect
// over a text and image data file of 200,000 lines of which 2,999 fall inside
// the bounds (the pages fill as the dialog opens), and choosing a clip in
// OnDlgClipMapCall on a clip list of 20,000 records (each choice reads the file
// again up to the record). Prints mean processor times; not a test.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace {

constexpr int kPointLines = 200000;
constexpr int kInside = 2999;
constexpr int kClipRecords = 20000;
constexpr int kCalls = 20;

// Processor time of one call of `name` under `script`: on a shared machine
// under load, wall time says more about the neighbours than about the call.
double CallMs(const char* name, const std::vector<topodlg::EntryArg>& args, const std::string& script,
              std::string& last) {
  return topodlg::bench::TimeCalls(name, args, kCalls, last, script).cpuMs;
}

}  // namespace

int main() {
  using namespace topodlg::bench;
  const TempFolder temp("plbench");
  const std::string& folder = temp.Path();
  {
    // Every 66th line lies inside the bounds, until 2,999 have.
    std::ofstream points(folder + "/points.txt", std::ios::binary);
    int inside = 0;
    for (int i = 0; i < kPointLines; ++i) {
      const bool in = i % 66 == 0 && inside < kInside;
      inside += in;
      points << "point" << i << (in ? " 355000 1395000" : " 370000 1395000") << " note d:\\media\\p" << i
             << (i % 3 == 0 ? ".jpg" : i % 3 == 1 ? ".txt" : ".htm") << "\r\n";
    }
    std::ofstream clips(folder + "/Clip0.dat", std::ios::binary);
    for (int i = 0; i < kClipRecords; ++i) {
      clips << "clip" << i << " map D:\\MAP\\MEM5339 5339 35.5 139.5 36.0 140.0 n.pnt p.txt kind 400x400 "
            << "(1,2)->(3,4) 2004/01/02\r\n";
    }
  }

  std::string last;
  // The dialog opens and OK is pressed at once.
  const double list = CallMs(
      "OnFileTableSelect",
      Args("issssss", {"0", "1390000", "350000", "1400000", "360000", folder + "/points.txt", folder + "/"}),
      "enter\n", last);
  std::printf("OnFileTableSelect, %d lines, %d inside: %.1f ms a call (target < 100 ms)\n", kPointLines, kInside, list);

  // One call opens the list (a full read) and makes ten choices near the end.
  const std::string opened = "enter\n";
  const std::vector<topodlg::EntryArg> clipArgs =
      Args("sssssssii", {folder + "/Clip0.dat", "a", "b", "c", "d", "e", "", "0", "100"});
  const double open = CallMs("OnDlgClipMapCall", clipArgs, opened, last);
  std::string choices;
  for (int i = 0; i < 10; ++i) choices += "select 1312 " + std::to_string(kClipRecords - 1 - i) + "\n";
  const double chosen = CallMs("OnDlgClipMapCall", clipArgs, choices + "enter\n", last);
  std::printf("OnDlgClipMapCall, %d records: %.2f ms a record choice (target < 20 ms; opening %.1f ms)\n", kClipRecords,
              (chosen - open) / 10, open);
  std::printf("last result: %.40s\n", last.c_str());
  return 0;
}
