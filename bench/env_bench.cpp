// OnDlgSystm with a 10,000-line PNTFILE.dat: one round trip opens the
// environment settings, switches through all five tabs and confirms. The map
// page lists every registered whole-area file, so the list's length is the
// cost to watch. Prints the mean time of one call; not a test.
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

constexpr int kWholeAreaFiles = 10000;
constexpr int kCalls = 50;

double NowMs(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

topodlg::EntryArg Int(int value) {
  topodlg::EntryArg a;
  a.kind = topodlg::ArgKind::Int;
  a.intValue = value;
  return a;
}

topodlg::EntryArg Str(const std::string& value) {
  topodlg::EntryArg a;
  a.kind = topodlg::ArgKind::Str;
  a.text = topodlg::CString(value);
  return a;
}

}  // namespace

int main() {
  using namespace topodlg;
  const std::string folder = "/tmp/envbench-" + std::to_string(getpid());
  std::filesystem::create_directories(folder);
  {
    std::ofstream list(folder + "/PNTFILE.dat", std::ios::binary);
    for (int i = 0; i < kWholeAreaFiles; ++i) list << "d:\\names\\whole" << i << ".pnt\r\n";
  }
  std::vector<EntryArg> args;
  for (int v : {1, 0, 0, 1, 1, 5, 100, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}) args.push_back(Int(v));
  std::string groups;
  for (int i = 0; i < 30; ++i) groups += "group" + std::to_string(i) + "|";
  const std::vector<std::string> texts = {"notepad", "RESET", "", "LAST", folder + "/", "on", "d:\\dem250\\",
                                          "d:\\km1\\", "d:\\avg\\", "on", "viewer.exe", "", "q:\\data\\", "",
                                          "t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10", "t11", "t12",
                                          groups + "0"};
  for (const std::string& t : texts) args.push_back(Str(t));
  args.push_back(Int(111));
  args.push_back(Int(111));

  const EntryInfo* entry = FindEntry("OnDlgSystm");
  const std::vector<ScriptAction> actions =
      ParseScript("tab 1488 1\ntab 1488 2\ntab 1488 3\ntab 1488 4\ntab 1488 0\nenter\n");
  std::string last;
  const double wall = NowMs(CLOCK_MONOTONIC), cpu = NowMs(CLOCK_PROCESS_CPUTIME_ID);
  for (int i = 0; i < kCalls; ++i) {
    ScriptedUser user(actions);
    AfxGetModuleState().backend = &user;
    last = entry->invoke(args).text.str();
  }
  AfxGetModuleState().backend = nullptr;
  std::printf("OnDlgSystm, %d-line PNTFILE.dat, five tabs and OK: %.2f ms a call, %.2f ms processor time "
              "(target < 20 ms)\n",
              kWholeAreaFiles, (NowMs(CLOCK_MONOTONIC) - wall) / kCalls,
              (NowMs(CLOCK_PROCESS_CPUTIME_ID) - cpu) / kCalls);
  std::printf("result: %s\n", last.c_str());
  std::filesystem::remove_all(folder);
  return 0;
}
