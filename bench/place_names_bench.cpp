// The regional place-name file at 1,000,000 lines: OnDlgPntSv counts its lines
// when it opens (line count 0), OnDlgUdpf in registration mode only makes sure
// the file is there. Prints the mean time of one call (the scripted user
// presses Enter at once); not a test.
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frame/entry_table.h"
#include "platform/module_state.h"
#include "tools/scripted/scripted_user.h"

namespace {

constexpr int kLines = 1000000;

double NowMs(clockid_t clock = CLOCK_MONOTONIC) {
  timespec now{};
  clock_gettime(clock, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Wall time and processor time of one call: on a shared machine the second
// tells what the call itself costs.
struct Timing {
  double wallMs;
  double cpuMs;
};

std::vector<topodlg::EntryArg> Args(const char* kinds, const std::vector<std::string>& values) {
  std::vector<topodlg::EntryArg> args(values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    if (kinds[i] == 'i') {
      args[i].kind = topodlg::ArgKind::Int;
      args[i].intValue = std::stoi(values[i]);
    } else {
      args[i].kind = topodlg::ArgKind::Str;
      args[i].text = topodlg::CString(values[i]);
    }
  }
  return args;
}

// Mean times of one call, and the last result.
Timing TimeCalls(const char* name, const std::vector<topodlg::EntryArg>& args, int calls, std::string& last) {
  using namespace topodlg;
  const EntryInfo* entry = FindEntry(name);
  const std::vector<ScriptAction> actions = ParseScript("enter\n");
  double begin = NowMs();
  double cpuBegin = NowMs(CLOCK_PROCESS_CPUTIME_ID);
  for (int i = 0; i < calls; ++i) {
    ScriptedUser user(actions);
    AfxGetModuleState().backend = &user;
    last = entry->invoke(args).text.str();
  }
  AfxGetModuleState().backend = nullptr;
  return {(NowMs() - begin) / calls, (NowMs(CLOCK_PROCESS_CPUTIME_ID) - cpuBegin) / calls};
}

}  // namespace

int main() {
  const std::string folder = "/tmp/pnbench-" + std::to_string(getpid());
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
  std::filesystem::remove_all(folder);
  return 0;
}
