// Benchmark: the CPU time (user + system) of a whole headless scripted
// `topodlg call OnDlgContour ...` process, beside /bin/true measured the same
// way in the same run: what automation pays per call. Prints the medians.
//   headless_call_bench [TOPODLG] [RUNS]   (TOPODLG: the one beside this program)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"

extern char** environ;

namespace {

// The CPU time of one run of `argv` in milliseconds, or -1 when it failed.
double CpuMilliseconds(const std::vector<std::string>& words) {
  std::vector<char*> argv;
  for (const std::string& w : words) argv.push_back(const_cast<char*>(w.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path self = fs::read_symlink("/proc/self/exe");
  const std::string topodlg = argc > 1 ? argv[1] : (self.parent_path() / "topodlg").string();
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 101;

  const topodlg::bench::TempFolder temp("headlessbench", fs::temp_directory_path().string());
  const fs::path script = temp.Path() + "/script.txt";
  std::ofstream(script) << "enter\n";
  const std::vector<std::string> call = {topodlg, "call", "OnDlgContour", "10", "99", "5", "990", "0", "0", "0",
                                         "1",     "2",    "0",            "103", "--script", script.string(),
                                         "--log", "/dev/null"};
  const std::vector<std::string> trueCall = {"/bin/true"};

  // Alternating the two spreads the machine's other load evenly over both.
  std::vector<double> calls, trues;
  for (int i = 0; i < runs; ++i) {
    double c = CpuMilliseconds(call);
    double t = CpuMilliseconds(trueCall);
    if (c < 0 || t < 0) {
      std::fprintf(stderr, "headless_call_bench: %s failed\n", c < 0 ? topodlg.c_str() : "/bin/true");
      return 1;
    }
    calls.push_back(c);
    trues.push_back(t);
  }
  const double c = Median(calls), t = Median(trues);
  std::printf("median CPU time over %d runs (user + system)\n", runs);
  std::printf("  topodlg call OnDlgContour (headless, scripted)  %6.2f ms\n", c);
  std::printf("  /bin/true                                        %6.2f ms\n", t);
  std::printf("  ratio                                            %6.1f x\n", t > 0 ? c / t : 0.0);
  return 0;
}
