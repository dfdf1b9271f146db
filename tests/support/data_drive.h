// A temporary data folder that a scenario maps as drive D: (data directory
// "D:\"), filled with text files of CR LF lines.
#pragma once

#include <string>
#include <vector>

#include "tests/support/topodlg_run.h"

namespace topodlg::test {

class DataDrive {
 public:
  // File contents are code page 932: ordinary literals in this code base are.
  void Lines(const std::string& name, const std::vector<std::string>& lines) const { m_dir.WriteLines(name, lines); }
  std::vector<std::string> DriveOption() const { return {"--drive", "D=" + m_dir.str()}; }
  const TempDir& Dir() const { return m_dir; }
  std::string Read(const std::string& name) const { return m_dir.Read(name); }

 private:
  TempDir m_dir;
};

}  // namespace topodlg::test
