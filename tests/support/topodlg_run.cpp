#include "tests/support/topodlg_run.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "platform/codepage.h"
#include "platform/module_state.h"
#include "tools/scripted/cli.h"
#include "tools/scripted/event_log.h"
#include "tools/scripted/event_recorder.h"

namespace topodlg::test {
namespace {

std::string Slurp(std::FILE* f) {
  std::string text;
  std::rewind(f);
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  return text;
}

struct Closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

RunResult RunCli(std::vector<std::string> args, const std::string& script) {
  TempDir dir;
  if (!script.empty()) {
    dir.Write("script.txt", script);
    args.push_back("--script");
    args.push_back((dir.path() / "script.txt").string());
  }
  std::unique_ptr<std::FILE, Closer> out(std::tmpfile()), err(std::tmpfile());
  RunResult r;
  r.exit = RunTopodlg(args, out.get(), err.get());
  r.out = Slurp(out.get());
  r.err = Slurp(err.get());
  r.log = r.err;
  return r;
}

RunResult CallEntry(const std::string& entry, std::vector<std::string> args, const std::string& script) {
  args.insert(args.begin(), {"call", entry});
  RunResult r = RunCli(args, script);
  EXPECT_EQ(r.exit, 0) << r.err;
  return r;
}

RunResult RunProgram(const std::vector<std::string>& args, const std::string& stdinText) {
  TempDir dir;
  dir.Write("stdin.txt", stdinText);
  std::string command = "'" TOPODLG_CLI "'";
  for (const auto& a : args) {
    std::string quoted;
    for (char c : a) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command += " '" + quoted + "'";
  }
  command += " <'" + (dir.path() / "stdin.txt").string() + "' >'" + (dir.path() / "out").string() + "' 2>'" +
             (dir.path() / "err").string() + "'";
  int status = std::system(command.c_str());
  RunResult r;
  r.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = dir.Read("out");
  r.err = dir.Read("err");
  r.log = r.err;
  return r;
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  m_path = std::filesystem::temp_directory_path() /
           ("topodlg-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(m_path);
  std::filesystem::create_directories(m_path);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(m_path, ec);
}

std::filesystem::path TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::filesystem::path p = m_path / name;
  std::filesystem::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << bytes;
  return p;
}

std::filesystem::path TempDir::WriteLines(const std::string& name, const std::vector<std::string>& lines) const {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return Write(name, text);
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream in(m_path / name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct CapturedLog::State {
  std::unique_ptr<std::FILE, Closer> file{std::tmpfile()};
  EventLog log{file.get()};
  EventRecorder recorder{nullptr, log};
};

CapturedLog::CapturedLog() : m_state(std::make_unique<State>()) { AfxGetModuleState().backend = &m_state->recorder; }

CapturedLog::~CapturedLog() { AfxGetModuleState().backend = nullptr; }

void CapturedLog::SetUser(UiBackend* user) { m_state->recorder.SetUser(user); }

EventLog& CapturedLog::Log() { return m_state->log; }

std::string CapturedLog::Text() const { return Slurp(m_state->file.get()); }

// Given UTF-8 (a U8() text); the result is the bytes a data file holds.
std::string Sjis(const std::string& utf8) { return Utf8ToCp932(utf8).value_or(CString()).str(); }

}  // namespace topodlg::test
