// Test support: run `topodlg` in-process or as a separate program, and make
// temporary folders with files in them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace topodlg {
class EventLog;
class UiBackend;
}  // namespace topodlg

namespace topodlg::test {

struct RunResult {
  int exit = 0;
  std::string out;  // standard output
  std::string err;  // standard error (the log, unless --log)
  std::string log;  // the log file's lines when the run used TempLog
};

// Runs topodlg in this process with the given words (no program name) and the
// script text (passed as --script from a temporary file unless empty).
RunResult RunCli(std::vector<std::string> args, const std::string& script = "");

// Calls `entry` with `args` in this process under `script`; the call itself
// must succeed (exit 0), or the test fails.
RunResult CallEntry(const std::string& entry, std::vector<std::string> args, const std::string& script);

// Runs the topodlg program itself (a black box), script on standard input.
RunResult RunProgram(const std::vector<std::string>& args, const std::string& stdinText = "");

// A fresh folder that is removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return m_path; }
  std::string str() const { return m_path.string(); }
  // Writes bytes to a file under the folder (folders made as needed).
  std::filesystem::path Write(const std::string& name, const std::string& bytes) const;
  // Writes the lines, each ended by CR LF, as the data files hold them.
  std::filesystem::path WriteLines(const std::string& name, const std::vector<std::string>& lines) const;
  std::string Read(const std::string& name) const;

 private:
  std::filesystem::path m_path;
};

// Ordinary literals in this code base are code page 932 (the build says so);
// topodlg's scripts, output and log are UTF-8. Write their texts as u8 literals:
// U8(u8"click 109") or U8(u8R"({"event":"open",...})").
inline std::string U8(std::u8string_view utf8) { return std::string(utf8.begin(), utf8.end()); }

// Records the library's events while it lives, as topodlg's log does: it is
// the backend of the module state, in front of the user set here (without one,
// nobody answers and dialogs cancel).
class CapturedLog {
 public:
  CapturedLog();
  ~CapturedLog();
  CapturedLog(const CapturedLog&) = delete;
  CapturedLog& operator=(const CapturedLog&) = delete;
  void SetUser(UiBackend* user);
  // Where a scripted user writes its dumps to be recorded with the rest.
  EventLog& Log();
  std::string Text() const;

 private:
  struct State;
  std::unique_ptr<State> m_state;
};

// Code page 932 bytes of a UTF-8 text (for file contents in tests).
std::string Sjis(const std::string& utf8);

}  // namespace topodlg::test
