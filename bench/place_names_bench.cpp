// The regional place-name file at 1,000,000 lines: OnDlgPntSv counts its lines
// when it opens (line count 0), OnDlgUdpf in registration mode only makes sure
// the file is there. Prints the mean time of one call (the scripted user
// presses Enter at once); not a test.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_support.h"

namespace {

constexpr int kLines = 1000000;

}  // namespace

// Wall time and processor time of one call: on a shared machine the second
// tells what the call itself costs.
int main() {
  using namespace topodlg::bench;
  const TempFolder temp("pnbench");
  const std::string& folder = temp.Path();
  std::filesystem::create_directories(folder + "/Local20");
  const std::string regional = folder + "/Local20/3945.lsn";
  {
    std::ofstream out(regional, std::ios::binary);
    for (int i = 0; i < kLines; ++i) out << "place" << i << ",35.37.30,139.14.38,599\r\n";
  }

  std::string last;
  Timing count = TimeCalls("OnDlgPntSv", Args("iiissss", {"0", "0", "0", regional, "", "35", "139"}), 20, last);
  std::printf("OnDlgPntSv, counting a regional file of %d lines: %.2f ms a call, %.2f ms processor (target < 100 ms)\n",
              kLines, count.wallMs, count.cpuMs);
  std::printf("result: %s\n", last.c_str());

  Timing target = TimeCalls(
      "OnDlgUdpf",
      Args("iiiiiiisssssss", {"0", "3", "1", "0", "11", "3", "1", "D:\\MAP\\533945.MEM", folder + "/",
                              "", "", "", "", ""}),
      200, last);
  std::printf("OnDlgUdpf, registration mode, regional file of %d lines: %.3f ms a call, %.3f ms processor "
              "(target < 5 ms)\n",
              kLines, target.wallMs, target.cpuMs);
  std::printf("result: %s\n", last.c_str());
  return 0;
}
