// Test support: calling one entry function through the scripted user and
// reading one control's fields out of its dumps.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/topodlg_run.h"

namespace topodlg::test {

// Calls `entry` with `args` under `script`; the call itself must succeed.
inline RunResult CallEntry(const std::string& entry, std::vector<std::string> args, const std::string& script) {
  args.insert(args.begin(), {"call", entry});
  RunResult r = RunCli(args, script);
  EXPECT_EQ(r.exit, 0) << r.err;
  return r;
}

// The dump with the given number (0 for the first); "" when there is none.
inline std::string DumpAt(const RunResult& r, size_t index = 0) {
  auto dumps = Events(r.log, "dump");
  return index < dumps.size() ? dumps[index] : "";
}

// The JSON object of control `id` in a dump line; "" when the dump has none.
// Controls are flat objects, so the first "}" after the identifier ends it.
inline std::string ControlIn(const std::string& dump, int id) {
  const std::string key = "{\"id\":" + std::to_string(id) + ",";
  const size_t at = dump.find(key);
  if (at == std::string::npos) return "";
  return dump.substr(at, dump.find('}', at) + 1 - at);
}

// The control's "text" (UTF-8; texts with quotes are not expected here).
inline std::string TextIn(const std::string& dump, int id) {
  const std::string control = ControlIn(dump, id);
  const std::string key = "\"text\":\"";
  const size_t at = control.find(key);
  if (at == std::string::npos) return "<none>";
  const size_t start = at + key.size();
  return control.substr(start, control.find('"', start) - start);
}

// The check state of a check box or radio button; -1 when it has none.
inline int CheckedIn(const std::string& dump, int id) {
  const std::string control = ControlIn(dump, id);
  const size_t at = control.find("\"checked\":");
  return at == std::string::npos ? -1 : control[at + 10] - '0';
}

}  // namespace topodlg::test
