// OnAlbumUpdate over an album file of 100,000 lines and OnDlgLink in source
// mode over a BINDER.DAT of 100,000 lines: both readers stop at their limits
// (99 entries, 101 names), so neither call should grow with the file. Prints
// the mean time of one call (the scripted user presses Enter at once); not a
// test.
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

constexpr int kLines = 100000;
constexpr int kCalls = 50;

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

std::vector<topodlg::EntryArg> Args(const char* kinds, const std::vector<std::string>& values) {
  std::vector<topodlg::EntryArg> args;
  for (size_t i = 0; kinds[i]; ++i) {
    topodlg::EntryArg a;
    a.kind = static_cast<topodlg::ArgKind>(kinds[i]);
    if (a.kind == topodlg::ArgKind::Int) {
      a.intValue = std::stoi(values[i]);
    } else {
      a.text = topodlg::CString(values[i]);
    }
    args.push_back(a);
  }
  return args;
}

double MeanCallMs(const char* name, const std::vector<topodlg::EntryArg>& args, std::string& last) {
  using namespace topodlg;
  const EntryInfo* entry = FindEntry(name);
  const std::vector<ScriptAction> actions = ParseScript("enter\n");
  double begin = NowMs();
  for (int i = 0; i < kCalls; ++i) {
    ScriptedUser user(actions);
    AfxGetModuleState().backend = &user;
    last = entry->invoke(args).text.str();
  }
  AfxGetModuleState().backend = nullptr;
  return (NowMs() - begin) / kCalls;
}

}  // namespace

int main() {
  const std::string folder = "/tmp/mediabench-" + std::to_string(getpid());
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
  double album = MeanCallMs(
      "OnAlbumUpdate", Args("ssssss", {folder + "/Album/09B03E05.alb", "Lake", "item", "139.2", "35.1", ""}), last);
  std::printf("OnAlbumUpdate, %d-line album file: %.2f ms a call (target < 20 ms)\nresult: %s\n", kLines, album,
              last.c_str());
  double link = MeanCallMs("OnDlgLink",
                           Args("iiiissssss", {"1", "1", "0", "0", folder + "/tnv/SOURCE/SOURCE7.DAT", "",
                                               folder + "/tnv/terranov.exe", "", "", folder + "/"}),
                           last);
  std::printf("OnDlgLink in source mode, %d-line BINDER.DAT: %.2f ms a call (target < 20 ms)\nresult: %s\n", kLines,
              link, last.c_str());
  std::filesystem::remove_all(folder);
  return 0;
}
