// OnDlgMpSpc with a 100,000-line PNTFILE.dat and a 1 GB keyword history, and
// OnWhiteMapAccess over a 1 GB sheet catalogue. The big files hold their lines
// at the start and a sparse tail: the readers must stop at their limits (100
// and 20 history lines, 200 catalogue lines) and never reach the tail. Prints
// the mean time of one call (the scripted user presses Enter at once); not a
// test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace {

constexpr int kPlaceNameFiles = 100000;
constexpr std::uintmax_t kHugeFile = 1ull << 30;
constexpr int kCalls = 20;

}  // namespace

// The processor time shows what a busy machine hides.
int main() {
  using namespace topodlg::bench;
  const TempFolder temp("mpbench");
  const std::string& folder = temp.Path();
  std::filesystem::create_directories(folder + "/TEMP");
  {
    std::ofstream list(folder + "/PNTFILE.dat", std::ios::binary);
    for (int i = 0; i < kPlaceNameFiles; ++i) list << "d:\\names\\n" << i << ".pnt\r\n";
    std::ofstream history(folder + "/TEMP/KEYWORD.TXT", std::ios::binary);
    for (int i = 0; i < 200; ++i) history << "keyword" << i << "\r\n";
    std::ofstream catalogue(folder + "/SHEETS.TXT", std::ios::binary);
    for (int i = 0; i < 300; ++i) catalogue << "NI-54-25 sheet" << i << "        35.2000   139.0000\r\n";
  }
  std::filesystem::resize_file(folder + "/TEMP/KEYWORD.TXT", kHugeFile);
  std::filesystem::resize_file(folder + "/SHEETS.TXT", kHugeFile);

  const auto mapSpec = Args(
      "iiiiiiiiiiiiiiiiiiiiiissssssssssssssssss",
      {"1", "1", "1", "1", "1", "1", "10", "0", "0", "1011", "1101", "0", "1", "1", "1", "0", "0", "0", "1", "0",
       "141", "5", "d:\\data\\5339.dem", "", "d:\\names\\n1.pnt", "NI-54-25", "T", "ON", "OFF", "off", "M", "ON", "RED",
       "on", "off", "OPAQUE", folder + "/", "RED", "keyword3", "1 0 0 0 0 0 0 0 0 0 0 1/x"});
  const auto sheets = Args("sssi", {folder + "/SHEETS.TXT", "", "sheet7", "1"});

  std::string last;
  const Timing mapSpecMs = TimeCalls("OnDlgMpSpc", mapSpec, kCalls, last);
  std::printf("OnDlgMpSpc, %d-line PNTFILE.dat, 1 GB KEYWORD.TXT: %.2f ms a call, %.2f ms processor time "
              "(target < 100 ms)\n", kPlaceNameFiles, mapSpecMs.wallMs, mapSpecMs.cpuMs);
  std::printf("result: %s\n", last.c_str());
  const Timing sheetMs = TimeCalls("OnWhiteMapAccess", sheets, kCalls, last);
  std::printf("OnWhiteMapAccess, 1 GB sheet catalogue: %.2f ms a call, %.2f ms processor time (target < 50 ms)\n",
              sheetMs.wallMs, sheetMs.cpuMs);
  std::printf("result: %s\n", last.c_str());
  return 0;
}
