#include "platform/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/path_map.h"
#include "platform/ui_backend.h"

extern char** environ;

namespace topodlg {

std::vector<CString> SplitCommandLine(const CString& commandLine) {
  std::vector<CString> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  const std::string& s = commandLine.str();
  for (size_t i = 0; i < s.size();) {
    char c = s[i];
    if (!quoted && (c == ' ' || c == '\t')) {
      if (inWord) words.emplace_back(std::move(word));
      word.clear();
      inWord = false;
      ++i;
      continue;
    }
    inWord = true;
    if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < s.size()) {
      word += c;
      word += s[i + 1];
      i += 2;
      continue;
    }
    if (c == '\\') {
      size_t n = 0;
      while (i < s.size() && s[i] == '\\') ++n, ++i;
      if (i < s.size() && s[i] == '"') {
        word.append(n / 2, '\\');
        if (n % 2) {
          word += '"';
          ++i;
        }
      } else {
        word.append(n, '\\');
      }
      continue;
    }
    if (c == '"') {
      quoted = !quoted;
      ++i;
      continue;
    }
    word += c;
    ++i;
  }
  if (inWord) words.emplace_back(std::move(word));
  return words;
}

bool IsExecutableFile(const CString& libraryPath) {
  if (libraryPath.IsEmpty()) return false;
  const std::string host = HostPath(libraryPath);
  struct stat st;
  return !host.empty() && ::stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         ::faccessat(AT_FDCWD, host.c_str(), X_OK, AT_EACCESS) == 0;
}

std::vector<CString> ProgramCommandWords(const CString& program) {
  std::vector<CString> words = SplitCommandLine(program);
  if (words.size() < 2 || CString(program).TrimLeft().GetAt(0) == '"') return words;
  for (size_t n = words.size(); n >= 2; --n) {
    CString joined = words[0];
    for (size_t i = 1; i < n; ++i) joined += " " + words[i];
    if (IsExecutableFile(joined)) {
      std::vector<CString> merged = {joined};
      merged.insert(merged.end(), words.begin() + static_cast<long>(n), words.end());
      return merged;
    }
  }
  return words;
}

std::optional<int> RunProgramAndWait(const std::vector<std::string>& argv) {
  if (argv.empty() || argv[0].empty()) return std::nullopt;
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid;
  if (::posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return std::nullopt;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return std::nullopt;
  }
  if (WIFEXITED(status)) {
    // posix_spawnp reports a missing program as exit 127 from the child.
    return WEXITSTATUS(status);
  }
  return 128 + WTERMSIG(status);
}

void ReportProgramRun(const ProgramRun& run) {
  if (UiBackend* backend = CurrentBackend()) backend->ProgramRan(run);
}

}  // namespace topodlg
