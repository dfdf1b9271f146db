// The area dialogs at their limits; prints the mean processor time of one
// call, not a test.
//   OnDlgArDsp on an area file of 519 records with 2,000 point lines each (the
//   scripted user presses Enter at once).
//   OnLnrAreaLgnd on a legend file of 299 lines, the group's section last.
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

constexpr int kRecords = 519;
constexpr int kPointsPerRecord = 2000;
constexpr int kAreaCalls = 10;
constexpr int kLegendLines = 299;
constexpr int kLegendCalls = 200;

// Processor time of this process: on a busy machine the wall clock says more
// about the other processes than about the dialogs.
double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

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

double MeanMs(const char* entryName, const std::vector<topodlg::EntryArg>& args, int calls) {
  using namespace topodlg;
  const EntryInfo* entry = FindEntry(entryName);
  const std::vector<ScriptAction> actions = ParseScript("enter\n");
  const double begin = NowMs();
  for (int i = 0; i < calls; ++i) {
    ScriptedUser user(actions);
    AfxGetModuleState().backend = &user;
    entry->invoke(args);
  }
  AfxGetModuleState().backend = nullptr;
  return (NowMs() - begin) / calls;
}

}  // namespace

int main() {
  const std::string folder = "/tmp/areabench-" + std::to_string(getpid());
  std::filesystem::create_directories(folder);
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
  const double areaMs = MeanMs("OnDlgArDsp", Args("iiiiiiiiisssssssss", {"0", "1", "3", "0", "65", "0", "1", "0", "0",
                                                                         "A", "B", "C", "D", "E", dir, "", "",
                                                                         std::string(65 * 2, ' ')}),
                               kAreaCalls);
  const double legendMs = MeanMs("OnLnrAreaLgnd", Args("iiiiss", {"10", "10", "0", "0", dir, "A"}), kLegendCalls);
  std::filesystem::remove_all(folder);

  std::printf("OnDlgArDsp, %d records of %d point lines (%.0f MB): %.2f ms a call (target < 150 ms)\n", kRecords,
              kPointsPerRecord, kRecords * kPointsPerRecord * 54.0 / 1e6, areaMs);
  std::printf("OnLnrAreaLgnd, %d-line legend file: %.3f ms a call (target < 20 ms)\n", kLegendLines, legendMs);
  return 0;
}
