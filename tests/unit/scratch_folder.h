// A scratch folder for tests that read and write files: made under /tmp with a
// name of digits only (so no letters of it turn up in substring tests on paths),
// removed with everything in it when the test ends.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/codepage.h"
#include "platform/cstring.h"

namespace topodlg::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    static std::atomic<int> counter{0};
    m_path = "/tmp/topodlg-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The host path of a name in the folder, which is also its library path.
  std::string Host(std::string_view name) const { return m_path + "/" + std::string(name); }
  CString Path(std::string_view name) const { return CString(Host(name)); }
  // The folder as a data directory: ends with the separator.
  CString Directory() const { return CString(m_path + "/"); }

  CString Write(std::string_view name, std::string_view bytes) const {
    std::filesystem::path file = Host(name);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return Path(name);
  }
  std::string Read(std::string_view name) const {
    std::ifstream in(Host(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::string m_path;
};

}  // namespace topodlg::testing

namespace topodlg {
// Test failures show code page 932 texts readably.
inline void PrintTo(const CString& text, std::ostream* out) { *out << '"' << ToUtf8(text) << '"'; }
}  // namespace topodlg
