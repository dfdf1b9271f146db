#include "bench/bench_support.h"

#include <time.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/module_state.h"
#include "tools/scripted/scripted_user.h"

namespace topodlg::bench {
namespace {

double Ms(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

}  // namespace

double WallMs() { return Ms(CLOCK_MONOTONIC); }

double ProcessorMs() { return Ms(CLOCK_PROCESS_CPUTIME_ID); }

std::vector<EntryArg> Args(const char* kinds, const std::vector<std::string>& values) {
  std::vector<EntryArg> args;
  for (size_t i = 0; kinds[i]; ++i) {
    EntryArg a;
    a.kind = static_cast<ArgKind>(kinds[i]);
    if (a.kind == ArgKind::Int) {
      a.intValue = std::stoi(values.at(i));
    } else if (a.kind == ArgKind::Real) {
      a.realValue = std::stof(values.at(i));
    } else {
      a.text = CString(values.at(i));
    }
    args.push_back(a);
  }
  return args;
}

Timing TimeCalls(const char* name, const std::vector<EntryArg>& args, int calls, std::string& last,
                 const std::string& script) {
  const EntryInfo* entry = FindEntry(name);
  const std::vector<ScriptAction> actions = ParseScript(script);
  const double wall = WallMs(), cpu = ProcessorMs();
  for (int i = 0; i < calls; ++i) {
    ScriptedUser user(actions);
    AfxGetModuleState().backend = &user;
    last = entry->invoke(args).text.str();
  }
  AfxGetModuleState().backend = nullptr;
  return {(WallMs() - wall) / calls, (ProcessorMs() - cpu) / calls};
}

TempFolder::TempFolder(const std::string& stem, const std::string& parent)
    : m_path(parent + "/" + stem + "-" + std::to_string(getpid())) {
  std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

}  // namespace topodlg::bench
