// OnDlgTrack over a track table of 10,000 entries with 65 displayed tracks: the
// dialog reads the table into its file list and summarises every displayed
// track when it opens. Prints the mean time of one call (the scripted user
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

constexpr int kTableEntries = 10000;
constexpr int kDisplayed = 65;
constexpr int kCalls = 50;

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void WriteTrack(const std::string& path, int number) {
  std::ofstream out(path, std::ios::binary);
  out << "H  COORDINATE SYSTEM\r\nU  LAT LON DM\r\nH Track " << number << "\r\n";
  for (int i = 0; i < 200; ++i) out << "T  N3537.50600 E13914.64000 10-MAR-03 04:52:24 00200\r\n";
}

}  // namespace

int main() {
  using namespace topodlg;
  const std::string folder = "/tmp/tdbench-" + std::to_string(getpid());
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

  std::vector<EntryArg> args(17);
  for (int i = 0; i < 7; ++i) args[i].kind = ArgKind::Int;
  int ints[7] = {1, 0, -1, 1, 5, -1, 0};
  for (int i = 0; i < 7; ++i) args[i].intValue = ints[i];
  const char* texts[10] = {"A", "B", "C", "D", "E", "", "", "", "", ""};
  for (int i = 7; i < 17; ++i) {
    args[i].kind = ArgKind::Str;
    args[i].text = texts[i - 7];
  }
  args[12].text = CString(folder + "/");
  args[15].text = CString(numbers);
  args[16].text = CString(paths);

  const EntryInfo* entry = FindEntry("OnDlgTrack");
  const std::vector<ScriptAction> actions = ParseScript("enter\n");
  std::string last;
  double begin = NowMs();
  for (int i = 0; i < kCalls; ++i) {
    ScriptedUser user(actions);
    AfxGetModuleState().backend = &user;
    last = entry->invoke(args).text.str();
  }
  AfxGetModuleState().backend = nullptr;
  double perCall = (NowMs() - begin) / kCalls;
  std::filesystem::remove_all(folder);

  std::printf("OnDlgTrack, %d-entry track table, %d displayed tracks: %.2f ms a call (target < 50 ms)\n",
              kTableEntries, kDisplayed, perCall);
  std::printf("result: %s\n", last.c_str());
  return 0;
}
