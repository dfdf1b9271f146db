// OnDlgSystm with a 10,000-line PNTFILE.dat: one round trip opens the
// environment settings, switches through all five tabs and confirms. The map
// page lists every registered whole-area file, so the list's length is the
// cost to watch. Prints the mean time of one call; not a test.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace {

constexpr int kWholeAreaFiles = 10000;
constexpr int kCalls = 50;

}  // namespace

int main() {
  using namespace topodlg;
  const bench::TempFolder folder("envbench");
  {
    std::ofstream list(folder.Path() + "/PNTFILE.dat", std::ios::binary);
    for (int i = 0; i < kWholeAreaFiles; ++i) list << "d:\\names\\whole" << i << ".pnt\r\n";
  }
  std::string groups;
  for (int i = 0; i < 30; ++i) groups += "group" + std::to_string(i) + "|";
  const std::vector<std::string> values = {
      "1", "0", "0", "1", "1", "5", "100", "0", "0", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0",
      "notepad", "RESET", "", "LAST", folder.Path() + "/", "on", "d:\\dem250\\", "d:\\km1\\", "d:\\avg\\", "on",
      "viewer.exe", "", "q:\\data\\", "", "t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10", "t11",
      "t12", groups + "0", "111", "111"};
  const std::string kinds = std::string(19, 'i') + std::string(27, 's') + "ii";

  std::string last;
  const bench::Timing t = bench::TimeCalls("OnDlgSystm", bench::Args(kinds.c_str(), values), kCalls, last,
                                           "tab 1488 1\ntab 1488 2\ntab 1488 3\ntab 1488 4\ntab 1488 0\nenter\n");
  std::printf("OnDlgSystm, %d-line PNTFILE.dat, five tabs and OK: %.2f ms a call, %.2f ms processor time "
              "(target < 20 ms)\n",
              kWholeAreaFiles, t.wallMs, t.cpuMs);
  std::printf("result: %s\n", last.c_str());
  return 0;
}
