// Huge data files against `wc -l` on the same file in the same run (target:
// each at most twice `wc -l`): the track dialog opening on a registered 1 GB
// GPS file that has no line end, and one registration into a 100 MB file
// list. The files go to the folder given (default /tmp) and are removed
// afterwards. Not a test.
#include <fcntl.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dialogs/points/file_list.h"
#include "frame/entry_table.h"
#include "platform/codepage.h"
#include "platform/module_state.h"
#include "tools/scripted/scripted_user.h"

namespace {

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

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
  double begin = NowMs();
  if (std::system(command.c_str()) != 0) return -1;
  return NowMs() - begin;
}

double OpenTrackDialogMs(const std::string& folder, const std::string& gpsFile) {
  using namespace topodlg;
  std::vector<EntryArg> args(17);
  const int ints[7] = {1, 0, -1, 0, 5, -1, 0};
  for (int i = 0; i < 7; ++i) {
    args[i].kind = ArgKind::Int;
    args[i].intValue = ints[i];
  }
  const char* texts[10] = {"A", "B", "C", "D", "E", "", "", "", "-1 ", ""};
  for (int i = 7; i < 17; ++i) {
    args[i].kind = ArgKind::Str;
    args[i].text = texts[i - 7];
  }
  args[12].text = CString(folder + "/");
  args[13].text = CString(gpsFile);
  const EntryInfo* entry = FindEntry("OnDlgTrack");
  ScriptedUser user(ParseScript("enter\n"));
  AfxGetModuleState().backend = &user;
  double begin = NowMs();
  std::string result = entry->invoke(args).text.str();
  double ms = NowMs() - begin;
  AfxGetModuleState().backend = nullptr;
  std::printf("  result: %s\n", Cp932ToUtf8(result).c_str());
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace topodlg;
  const std::string folder = (argc > 1 ? argv[1] : "/tmp") + std::string("/hugebench-") + std::to_string(getpid());
  std::filesystem::create_directories(folder);

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
  double begin = NowMs();
  RegisterResult result = RegisterFileListEntry(CString(list), "d:\\points\\one-more.txt");
  const double registration = NowMs() - begin;
  std::printf("100 MB file list: wc -l %.1f ms, one registration %.1f ms (%s), ratio %.2f, peak RSS %ld MB\n", wcList,
              registration, result == RegisterResult::Added ? "added" : "NOT added", registration / wcList, PeakRssMb());
  std::filesystem::remove_all(folder);
  return 0;
}
