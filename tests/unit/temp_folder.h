// A fresh folder for one test, removed afterwards, with helpers to put bytes in
// and take them out.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "platform/cstring.h"

namespace topodlg {

class TempFolder {
 public:
  TempFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = std::filesystem::temp_directory_path() /
             ("topodlg_" + std::string(test->test_suite_name()) + "_" + test->name() + "_" +
              std::to_string(::getpid()));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~TempFolder() { std::filesystem::remove_all(m_path); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  // The folder as a library path, ending with a separator like a data directory.
  CString Library() const { return CString(m_path.string() + "/"); }

  CString Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(m_path / name, std::ios::binary) << bytes;
    return CString((m_path / name).string());
  }
  std::string Read(const std::string& name) const { return ReadBytes(m_path / name); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(m_path / name); }

  static std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path m_path;
};

}  // namespace topodlg
