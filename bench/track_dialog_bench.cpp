// OnDlgTrack over a track table of 10,000 entries with 65 displayed tracks: the
// dialog reads the table into its file list and summarises every displayed
// track when it opens. Prints the mean time of one call (the scripted user
// presses Enter at once); not a test.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_support.h"

namespace {

constexpr int kTableEntries = 10000;
constexpr int kDisplayed = 65;
constexpr int kCalls = 50;

void WriteTrack(const std::string& path, int number) {
  std::ofstream out(path, std::ios::binary);
  out << "H  COORDINATE SYSTEM\r\nU  LAT LON DM\r\nH Track " << number << "\r\n";
  for (int i = 0; i < 200; ++i) out << "T  N3537.50600 E13914.64000 10-MAR-03 04:52:24 00200\r\n";
}

}  // namespace

int main() {
  using namespace topodlg::bench;
  const TempFolder temp("tdbench");
  const std::string& folder = temp.Path();
  std::filesystem::create_directories(folder + "/gps");
  std::string numbers, paths;
  {
    std::ofstream table(folder + "/TRACKTB0.DAT", std::ios::binary);
    table << ";bench table\r\n";
    for (int i = 0; i < kTableEntries; ++i) {
      std::string path = folder + "/gps/t" + std::to_string(i) + ".trk";
      if (i < kDisplayed) {
        WriteTrack(path, i);
        numbers += std::to_string(i) + " ";
        paths += path + " ";
      }
      table << path << "\r\n";
    }
  }
  numbers += "-1 ";

  const auto args = Args("iiiiiiissssssssss", {"1", "0", "-1", "1", "5", "-1", "0", "A", "B", "C", "D", "E",
                                                 folder + "/", "", "", numbers, paths});
  std::string last;
  const double perCall = TimeCalls("OnDlgTrack", args, kCalls, last).wallMs;

  std::printf("OnDlgTrack, %d-entry track table, %d displayed tracks: %.2f ms a call (target < 50 ms)\n",
              kTableEntries, kDisplayed, perCall);
  std::printf("result: %s\n", last.c_str());
  return 0;
}
