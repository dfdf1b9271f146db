// The area dialogs at their limits; prints the mean processor time of one
// call, not a test.
//   OnDlgArDsp on an area file of 519 records with 2,000 point lines each (the
//   scripted user presses Enter at once).
//   OnLnrAreaLgnd on a legend file of 299 lines, the group's section last.
#include <cstdio>
#include <fstream>
#include <string>

#include "bench/bench_support.h"

namespace {

constexpr int kRecords = 519;
constexpr int kPointsPerRecord = 2000;
constexpr int kAreaCalls = 10;
constexpr int kLegendLines = 299;
constexpr int kLegendCalls = 200;

}  // namespace

int main() {
  using namespace topodlg::bench;
  const TempFolder temp("areabench");
  const std::string& folder = temp.Path();
  {
    std::ofstream area(folder + "/AreaDt00.trk", std::ios::binary);
    area << "H  COORDINATE SYSTEM\r\nU  LAT LON DM\r\n";
    for (int r = 0; r < kRecords; ++r) {
      area << "H  area" << r << " p c\r\nH  LATITUDE    LONGITUDE    DATE      TIME     ALT\r\n";
      for (int p = 0; p < kPointsPerRecord; ++p) area << "T  N3537.506 E13914.640 10-MAR-03 04:52:24 00200\r\n";
    }
  }
  {
    std::ofstream legend(folder + "/AreaLgd.dat", std::ios::binary);
    for (int i = 0; i < kLegendLines - 20; ++i) legend << ";comment line " << i << "\r\n";
    legend << "GROUP1\r\n";
    for (int i = 1; i <= 19; ++i) legend << i << " p" << i % 7 << " c description " << i << "\r\n";
  }
  const std::string dir = folder + "/";
  // Processor times: on a busy machine the wall clock says more about the
  // other processes than about the dialogs.
  std::string last;
  const double areaMs = TimeCalls("OnDlgArDsp",
                                  Args("iiiiiiiiisssssssss", {"0", "1", "3", "0", "65", "0", "1", "0", "0", "A", "B",
                                                              "C", "D", "E", dir, "", "", std::string(65 * 2, ' ')}),
                                  kAreaCalls, last)
                            .cpuMs;
  const double legendMs =
      TimeCalls("OnLnrAreaLgnd", Args("iiiiss", {"10", "10", "0", "0", dir, "A"}), kLegendCalls, last).cpuMs;

  std::printf("OnDlgArDsp, %d records of %d point lines (%.0f MB): %.2f ms a call (target < 150 ms)\n", kRecords,
              kPointsPerRecord, kRecords * kPointsPerRecord * 54.0 / 1e6, areaMs);
  std::printf("OnLnrAreaLgnd, %d-line legend file: %.3f ms a call (target < 20 ms)\n", kLegendLines, legendMs);
  return 0;
}
