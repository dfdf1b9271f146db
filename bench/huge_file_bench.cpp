// Huge data files against `wc -l` on the same file in the same run (target:
// each at most twice `wc -l`): the track dialog opening on a registered 1 GB
// GPS file that has no line end, and one registration into a 100 MB file
// list. The files go to the folder given (default /tmp) and are removed
// afterwards. Not a test.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "dialogs/points/file_list.h"
#include "platform/codepage.h"

namespace {

using topodlg::bench::WallMs;

long PeakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// Puts a file just written on the disk, so that no later fsync pays for it.
void SyncFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
}

// `wc -l` on the file, the second of two runs (the first warms the cache as
// the library's reading then finds it).
double WcMs(const std::string& path) {
  const std::string command = "wc -l '" + path + "' >/dev/null";
  if (std::system(command.c_str()) != 0) return -1;
  double begin = WallMs();
  if (std::system(command.c_str()) != 0) return -1;
  return WallMs() - begin;
}

double OpenTrackDialogMs(const std::string& folder, const std::string& gpsFile) {
  using namespace topodlg::bench;
  std::string result;
  const double ms = TimeCalls("OnDlgTrack",
                              Args("iiiiiiissssssssss", {"1", "0", "-1", "0", "5", "-1", "0", "A", "B", "C", "D", "E",
                                                         folder + "/", gpsFile, "", "-1 ", ""}),
                              1, result)
                        .wallMs;
  std::printf("  result: %s\n", topodlg::Cp932ToUtf8(result).c_str());
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace topodlg;
  const bench::TempFolder temp("hugebench", argc > 1 ? argv[1] : "/tmp");
  const std::string& folder = temp.Path();

  // A 1 GB "track" without a single line end, registered in the track table.
  const std::string gps = folder + "/huge.trk";
  {
    std::ofstream out(gps, std::ios::binary);
    const std::string block(1 << 20, 'x');
    for (int i = 0; i < 1024; ++i) out << block;
  }
  std::ofstream(folder + "/TRACKTB0.DAT", std::ios::binary) << gps << "\r\n";
  const double wcGps = WcMs(gps);
  const double open = OpenTrackDialogMs(folder, gps);
  std::printf("1 GB GPS file without line ends: wc -l %.1f ms, track dialog opening %.1f ms, ratio %.2f, peak RSS %ld MB\n",
              wcGps, open, open / wcGps, PeakRssMb());
  std::filesystem::remove(gps);

  // A 100 MB file list.
  const std::string list = folder + "/EXPLFILE.dat";
  {
    std::ofstream out(list, std::ios::binary);
    std::string chunk;
    long long written = 0;
    for (long long i = 0; written < 100LL << 20; ++i) {
      chunk += "d:\\points\\registered-point-file-" + std::to_string(i) + ".txt\r\n";
      if (chunk.size() > (1 << 20)) {
        out << chunk;
        written += static_cast<long long>(chunk.size());
        chunk.clear();
      }
    }
    out << chunk;
  }
  SyncFile(list);
  const double wcList = WcMs(list);
  double begin = WallMs();
  RegisterResult result = RegisterFileListEntry(CString(list), "d:\\points\\one-more.txt");
  const double registration = WallMs() - begin;
  std::printf("100 MB file list: wc -l %.1f ms, one registration %.1f ms (%s), ratio %.2f, peak RSS %ld MB\n", wcList,
              registration, result == RegisterResult::Added ? "added" : "NOT added", registration / wcList, PeakRssMb());
  return 0;
}
