#include "dialogs/appearance/color_scheme_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/topodlg_run.h"

namespace topodlg {
namespace {

class SchemeStore : public ::testing::Test {
 protected:
  // Three schemes in Orbis1..3, each file holding its own number.
  std::vector<SchemeEntry> WriteThree() {
    m_dir.Write("PlttFile.dat", "a$Orbis1.plt\r\nb$Orbis2.plt\r\nc$Orbis3.plt\r\n");
    for (int i = 1; i <= 3; ++i) m_dir.Write("Orbis" + std::to_string(i) + ".plt", "file " + std::to_string(i));
    return ReadSchemeIndex(Data() + "PlttFile.dat");
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  // The folder as a data directory, ending with its separator.
  CString Data() const { return CString(m_dir.str() + "/"); }

  test::TempDir m_dir;
  CString m_failed;
};

TEST_F(SchemeStore, RegistrationCreatesAMissingIndex) {
  const SchemeEntry scheme{"新しい配色", NewSchemeFileName({})};
  EXPECT_EQ(scheme.file, "Orbis1.plt");
  ASSERT_TRUE(RegisterScheme(Data(), scheme, NewSchemeColours(), m_failed));
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), "新しい配色$Orbis1.plt\r\n");
  EXPECT_EQ(m_dir.Read("Orbis1.plt"),
            FormatSchemeFile("新しい配色", Data() + "Orbis1.plt", NewSchemeColours()));

  // A last line left without its line break by hand stays a line of its own.
  m_dir.Write("PlttFile.dat", "a$mine.plt");
  ASSERT_TRUE(RegisterScheme(Data(), {"b", "Orbis2.plt"}, NewSchemeColours(), m_failed));
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), "a$mine.plt\r\nb$Orbis2.plt\r\n");
}

// The number counts the listed "orbis" files in any case, not the schemes and
// not the numbers in use.
TEST_F(SchemeStore, NewFileNameCountsTheOrbisFiles) {
  EXPECT_EQ(NewSchemeFileName({{"x", "mine.plt"}}), "Orbis1.plt");
  EXPECT_EQ(NewSchemeFileName({{"a", "orbis1.plt"}, {"b", "mine.plt"}, {"c", "ORBIS7.PLT"}}), "Orbis3.plt");
}

TEST_F(SchemeStore, DeletionRenumbersTheLaterFiles) {
  auto schemes = WriteThree();
  ASSERT_TRUE(DeleteScheme(Data(), schemes, 0, m_failed));
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), "b$Orbis1.plt\r\nc$Orbis2.plt\r\n");
  EXPECT_EQ(m_dir.Read("Orbis1.plt"), "file 2");
  EXPECT_EQ(m_dir.Read("Orbis2.plt"), "file 3");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Orbis1.plt", "Orbis2.plt", "PlttFile.dat"}));
  ASSERT_EQ(schemes.size(), 2u);
  EXPECT_EQ(schemes[1].file, "Orbis2.plt");
}

// An index that cannot be written puts every file back; a missing file to
// rename ends the deletion there. The file that failed is named.
TEST_F(SchemeStore, FailedDeletionStopsWithoutRewritingTheIndex) {
  const std::vector<std::string> all = {"Orbis1.plt", "Orbis2.plt", "Orbis3.plt", "PlttFile.dat"};
  auto schemes = WriteThree();
  std::filesystem::remove(m_dir.path() / "PlttFile.dat");
  std::filesystem::create_directory(m_dir.path() / "PlttFile.dat");
  EXPECT_FALSE(DeleteScheme(Data(), schemes, 1, m_failed));
  EXPECT_EQ(m_failed, Data() + "PlttFile.dat");
  EXPECT_EQ(Names(), all);
  EXPECT_EQ(m_dir.Read("Orbis2.plt"), "file 2");
  EXPECT_EQ(m_dir.Read("Orbis3.plt"), "file 3");

  std::filesystem::remove(m_dir.path() / "PlttFile.dat");
  schemes = WriteThree();
  std::filesystem::remove(m_dir.path() / "Orbis3.plt");
  EXPECT_FALSE(DeleteScheme(Data(), schemes, 0, m_failed));
  EXPECT_EQ(m_failed, Data() + "Orbis3.plt");
  EXPECT_EQ(m_dir.Read("Orbis1.plt"), "file 2");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Orbis1.plt", "PlttFile.dat"}));
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), "a$Orbis1.plt\r\nb$Orbis2.plt\r\nc$Orbis3.plt\r\n");
  EXPECT_EQ(schemes.size(), 3u);

  std::filesystem::remove(m_dir.path() / "Orbis1.plt");
  EXPECT_FALSE(DeleteScheme(Data(), schemes, 0, m_failed));
  EXPECT_EQ(m_failed, Data() + "Orbis1.plt");
}

}  // namespace
}  // namespace topodlg
