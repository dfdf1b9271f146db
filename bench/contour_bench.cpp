// Calls OnDlgContour through the scripted user many times in one process and
// prints calls per second: once through the library's entry table with a parsed
// script, once through the whole topodlg command path (script file, log).
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "frame/entry_table.h"
#include "platform/module_state.h"
#include "tools/scripted/cli.h"
#include "tools/scripted/scripted_user.h"

namespace {

constexpr int kCalls = 10000;
const char* kScript = "click 109\ntype 105 \"4\"\nclick 125\nclick 1200\nselect 1401 3\nclick 140\n";

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

int main() {
  using namespace topodlg;
  const EntryInfo* entry = FindEntry("OnDlgContour");
  std::vector<EntryArg> args;
  for (int v : {10, 99, 5, 990, 0, 0, 0, 1, 2, 0, 103}) {
    EntryArg a;
    a.intValue = v;
    args.push_back(a);
  }
  const std::vector<ScriptAction> actions = ParseScript(kScript);

  auto start = std::chrono::steady_clock::now();
  std::string last;
  for (int i = 0; i < kCalls; ++i) {
    ScriptedUser user(actions);
    AfxGetModuleState().backend = &user;
    last = entry->invoke(args).text.str();
  }
  AfxGetModuleState().backend = nullptr;
  double library = Seconds(std::chrono::steady_clock::now() - start);
  std::printf("OnDlgContour, scripted user, %d calls: %.0f calls/s (result \"%s\")\n", kCalls, kCalls / library,
              last.c_str());

  const std::string scriptPath = "/tmp/topodlg-contour-bench.txt";
  std::ofstream(scriptPath) << kScript;
  std::FILE* devnull = std::fopen("/dev/null", "w");
  const std::vector<std::string> command = {"call", "OnDlgContour", "10", "99", "5", "990", "0", "0",
                                            "0", "1", "2", "0", "103", "--script", scriptPath, "--log", "/dev/null"};
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < kCalls; ++i) RunTopodlg(command, devnull, devnull);
  double whole = Seconds(std::chrono::steady_clock::now() - start);
  std::printf("OnDlgContour, whole topodlg command path, %d calls: %.0f calls/s\n", kCalls, kCalls / whole);
  std::fclose(devnull);
  std::remove(scriptPath.c_str());
  return 0;
}
