// Header scan of a 1 GB GPS file whose first point is on line 20: the scan
// stops at that line, so its cost must not depend on the size of the file.
// Prints the mean time of one scan; not a test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "dialogs/tracks/gps_text.h"

namespace {

constexpr std::uintmax_t kFileSize = 1ull << 30;

// Nineteen header lines, then points; after the first megabyte the file goes
// on as a sparse tail of zero bytes up to 1 GB, which the scan never reaches.
std::string WriteHugeTrack(const std::string& folder) {
  std::string path = folder + "/huge.trk";
  {
    std::ofstream out(path, std::ios::binary);
    out << "H  SOFTWARE NAME & VERSION\r\nI  PCX5 2.09\r\n\r\n"
        << "H  R DATUM                IDX DA            DF\r\n"
        << "M  G WGS 84               121 +0.000000e+00 +0.000000e+00\r\n\r\n"
        << "H  COORDINATE SYSTEM\r\nU  LAT LON DM\r\n\r\n";
    for (int i = 0; i < 9; ++i) out << "H  NOTE " << i << "\r\n";
    out << "H  LATITUDE    LONGITUDE    DATE      TIME     ALT\r\n";
    std::string point = "T  N3546.89620 E13941.13440 10-MAR-03 04:52:24 00043\r\n";
    for (std::uintmax_t written = 0; written < (1u << 20); written += point.size()) out << point;
  }
  std::filesystem::resize_file(path, kFileSize);
  return path;
}

}  // namespace

int main() {
  using topodlg::bench::WallMs;
  const topodlg::bench::TempFolder temp("gpsbench");
  std::string path = WriteHugeTrack(temp.Path());
  topodlg::CString libraryPath(path);

  constexpr int kRuns = 1000;
  topodlg::CString summary;
  double begin = WallMs();
  for (int i = 0; i < kRuns; ++i) summary = topodlg::ScanTrackHeader(libraryPath, "trk", "", "", "");
  double perScanMs = (WallMs() - begin) / kRuns;

  std::printf("ScanTrackHeader, %llu-byte file, first point on line 20: %.4f ms a scan (target < 1 ms)\n",
              static_cast<unsigned long long>(kFileSize), perScanMs);
  std::printf("summary: %s\n", summary.c_str());
  return 0;
}
