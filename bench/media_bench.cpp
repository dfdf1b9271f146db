// OnAlbumUpdate over an album file of 100,000 lines and OnDlgLink in source
// mode over a BINDER.DAT of 100,000 lines: both readers stop at their limits
// (99 entries, 101 names), so neither call should grow with the file. Prints
// the mean time of one call (the scripted user presses Enter at once); not a
// test.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_support.h"

namespace {

constexpr int kLines = 100000;
constexpr int kCalls = 50;

}  // namespace

int main() {
  using namespace topodlg::bench;
  const TempFolder temp("mediabench");
  const std::string& folder = temp.Path();
  std::filesystem::create_directories(folder + "/Album");
  std::filesystem::create_directories(folder + "/tnv/SOURCE");
  {
    std::ofstream album(folder + "/Album/09B03E05.alb", std::ios::binary);
    std::ofstream binder(folder + "/tnv/SOURCE/BINDER.DAT", std::ios::binary);
    for (int i = 0; i < kLines; ++i) {
      album << "Loc." << i << " 35.1 139.2 #" << i << " d:\\img\\p" << i << ".jpg d:\\txt\\p" << i << ".txt\r\n";
      binder << "source " << i << "\r\n";
    }
  }

  std::string last;
  double album =
      TimeCalls("OnAlbumUpdate", Args("ssssss", {folder + "/Album/09B03E05.alb", "Lake", "item", "139.2", "35.1", ""}),
                kCalls, last)
          .wallMs;
  std::printf("OnAlbumUpdate, %d-line album file: %.2f ms a call (target < 20 ms)\nresult: %s\n", kLines, album,
              last.c_str());
  double link = TimeCalls("OnDlgLink",
                          Args("iiiissssss", {"1", "1", "0", "0", folder + "/tnv/SOURCE/SOURCE7.DAT", "",
                                              folder + "/tnv/terranov.exe", "", "", folder + "/"}),
                          kCalls, last)
                    .wallMs;
  std::printf("OnDlgLink in source mode, %d-line BINDER.DAT: %.2f ms a call (target < 20 ms)\nresult: %s\n", kLines,
              link, last.c_str());
  return 0;
}
