// What the folder lock of the write path costs: one registration into a
// 10,000-line file list (a read for duplicates, then an append) and one whole
// rewrite of that list, each with the lock and without it, in alternating
// rounds. Prints the mean times and the locked/unlocked ratio (target: within
// 10 %). Not a test.
#include <cstdio>
#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "dialogs/points/file_list.h"
#include "platform/file_write.h"

namespace {

constexpr int kListLines = 10000;
constexpr int kRounds = 20;
constexpr int kPerRound = 10;

}  // namespace

int main(int argc, char** argv) {
  using namespace topodlg;
  using bench::WallMs;
  const bench::TempFolder temp("wpbench", argc > 1 ? argv[1] : "/tmp");
  const CString list(temp.Path() + "/EXPLFILE.dat");
  std::string bytes;
  for (int i = 0; i < kListLines; ++i) bytes += "d:\\points\\registered-point-file-" + std::to_string(i) + ".txt\r\n";
  std::ofstream(list.str(), std::ios::binary) << bytes;

  double registration[2] = {0, 0}, rewrite[2] = {0, 0};
  int next = 0;
  for (int round = 0; round < kRounds; ++round) {
    for (int locked = 0; locked < 2; ++locked) {
      write_path_testing::SetLocking(locked == 1);
      double begin = WallMs();
      for (int i = 0; i < kPerRound; ++i) {
        RegisterFileListEntry(list, CString("d:\\points\\new-" + std::to_string(next++) + ".txt"));
      }
      registration[locked] += WallMs() - begin;
      begin = WallMs();
      for (int i = 0; i < kPerRound; ++i) WriteFileWhole(list, bytes);
      rewrite[locked] += WallMs() - begin;
    }
  }
  write_path_testing::SetLocking(true);

  const double calls = kRounds * kPerRound;
  std::printf("%d-line file list in %s\n", kListLines, argc > 1 ? argv[1] : "/tmp");
  std::printf("registration (read + append): unlocked %.3f ms, locked %.3f ms, ratio %.3f\n",
              registration[0] / calls, registration[1] / calls, registration[1] / registration[0]);
  std::printf("whole rewrite (temporary + fsync + rename): unlocked %.3f ms, locked %.3f ms, ratio %.3f\n",
              rewrite[0] / calls, rewrite[1] / calls, rewrite[1] / rewrite[0]);
  return 0;
}
