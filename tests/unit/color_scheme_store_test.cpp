#include "dialogs/appearance/color_scheme_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/file_write.h"
#include "tests/support/topodlg_run.h"

namespace topodlg {
namespace {

using write_path_testing::Step;

class SchemeStore : public ::testing::Test {
 protected:
  void TearDown() override { write_path_testing::ClearFaults(); }
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
  SchemeRegistration Register(const CString& name) { return RegisterScheme(Data(), name, NewSchemeColours()); }

  // The folder as a data directory, ending with its separator.
  CString Data() const { return CString(m_dir.str() + "/"); }

  test::TempDir m_dir;
  CString m_failed;
};

TEST_F(SchemeStore, RegistrationCreatesAMissingIndex) {
  SchemeRegistration r = Register("新しい配色");
  ASSERT_EQ(r.result, SchemeRegisterResult::Registered);
  EXPECT_EQ(r.file, "Orbis1.plt");
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), "新しい配色$Orbis1.plt\r\n");
  EXPECT_EQ(m_dir.Read("Orbis1.plt"),
            FormatSchemeFile("新しい配色", Data() + "Orbis1.plt", NewSchemeColours()));

  // A last line left without its line break by hand stays a line of its own.
  m_dir.Write("PlttFile.dat", "a$mine.plt");
  ASSERT_EQ(Register("b").result, SchemeRegisterResult::Registered);
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), "a$mine.plt\r\nb$Orbis2.plt\r\n");
}

// The number counts the listed "orbis" files in any case, not the schemes and
// not the numbers in use.
TEST_F(SchemeStore, NewFileNameCountsTheOrbisFiles) {
  EXPECT_EQ(NewSchemeFileName({{"x", "mine.plt"}}), "Orbis1.plt");
  EXPECT_EQ(NewSchemeFileName({{"a", "orbis1.plt"}, {"b", "mine.plt"}, {"c", "ORBIS7.PLT"}}), "Orbis3.plt");
}

// The new scheme goes right after the listed ones (so it shows), and its file
// never takes the name of one that exists: Orbis2.plt belongs to the scheme
// behind the empty line.
TEST_F(SchemeStore, AnEmptyLineInTheIndexCostsNothing) {
  m_dir.Write("PlttFile.dat", "a$Orbis1.plt\r\n\r\nhidden$Orbis2.plt\r\n");
  m_dir.Write("Orbis1.plt", "file 1");
  m_dir.Write("Orbis2.plt", "hidden's colours");
  SchemeRegistration r = Register("new");
  ASSERT_EQ(r.result, SchemeRegisterResult::Registered);
  EXPECT_EQ(r.file, "Orbis3.plt");
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), "a$Orbis1.plt\r\nnew$Orbis3.plt\r\n\r\nhidden$Orbis2.plt\r\n");
  EXPECT_EQ(m_dir.Read("Orbis2.plt"), "hidden's colours");
  // A deletion moves only files that follow the numbering (Orbis3.plt is not
  // the second scheme's numbered file), and keeps the lines behind the empty line.
  auto schemes = ReadSchemeIndex(Data() + "PlttFile.dat");
  ASSERT_TRUE(DeleteScheme(Data(), schemes, 0, m_failed));
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), "new$Orbis3.plt\r\n\r\nhidden$Orbis2.plt\r\n");
  EXPECT_EQ(m_dir.Read("Orbis2.plt"), "hidden's colours");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Orbis2.plt", "Orbis3.plt", "PlttFile.dat"}));
}

TEST_F(SchemeStore, NamesTheIndexCannotHoldAreRefusedBeforeAnythingIsWritten) {
  WriteThree();
  const std::string index = m_dir.Read("PlttFile.dat");
  auto problem = [&](const CString& name) {
    SchemeRegistration r = Register(name);
    EXPECT_EQ(r.result, SchemeRegisterResult::BadName) << name.str();
    return r.nameProblem;
  };
  EXPECT_EQ(problem("a$b"), SchemeNameProblem::Separator);
  EXPECT_EQ(problem("a\r\nb"), SchemeNameProblem::Separator);
  EXPECT_EQ(problem(";note"), SchemeNameProblem::Comment);
  EXPECT_EQ(problem(CString(std::string(88, 'n'))), SchemeNameProblem::TooLong);
  EXPECT_EQ(CheckSchemeName(CString(std::string(87, 'n')), "Orbis4.plt"), SchemeNameProblem::None);
  EXPECT_EQ(CheckSchemeName("", "Orbis4.plt"), SchemeNameProblem::Empty);
  // A "$" that is the second byte of a double-byte character is no separator.
  EXPECT_EQ(CheckSchemeName("\x81$", "Orbis4.plt"), SchemeNameProblem::None);
  EXPECT_EQ(Register("b").result, SchemeRegisterResult::NameTaken);
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), index);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Orbis1.plt", "Orbis2.plt", "Orbis3.plt", "PlttFile.dat"}));
}

// A failed registration removes only the file it made; an existing scheme file
// is never replaced, whatever the index says.
TEST_F(SchemeStore, AFailedRegistrationLeavesEveryFileAsItWas) {
  WriteThree();
  m_dir.Write("Orbis4.plt", "left by hand: someone's colours");
  const std::vector<std::string> before = Names();
  write_path_testing::InjectFault(Step::Write, ENOSPC, 1);  // the scheme file is written, the index is not
  SchemeRegistration r = Register("d");
  EXPECT_EQ(r.result, SchemeRegisterResult::WriteFailed);
  EXPECT_EQ(r.failedPath, Data() + "PlttFile.dat");
  EXPECT_EQ(Names(), before);
  EXPECT_EQ(m_dir.Read("Orbis4.plt"), "left by hand: someone's colours");

  // An index that cannot be read stops the registration before it writes.
  std::filesystem::rename(m_dir.path() / "PlttFile.dat", m_dir.path() / "saved");
  std::filesystem::create_directory(m_dir.path() / "PlttFile.dat");
  r = Register("d");
  EXPECT_EQ(r.result, SchemeRegisterResult::WriteFailed);
  EXPECT_EQ(r.failedPath, Data() + "PlttFile.dat");
  EXPECT_EQ(m_dir.Read("Orbis1.plt"), "file 1");
  EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "Orbis5.plt"));
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

// An index that cannot be written, a file that is missing or read-only: every
// file is put back and the index stays. The file that failed is named.
TEST_F(SchemeStore, AFailedDeletionPutsEveryFileBack) {
  const std::vector<std::string> all = {"Orbis1.plt", "Orbis2.plt", "Orbis3.plt", "PlttFile.dat"};
  const std::string index = "a$Orbis1.plt\r\nb$Orbis2.plt\r\nc$Orbis3.plt\r\n";
  auto schemes = WriteThree();
  write_path_testing::InjectFault(Step::Rename, EIO, 3);  // after the three renames
  EXPECT_FALSE(DeleteScheme(Data(), schemes, 0, m_failed));
  EXPECT_EQ(m_failed, Data() + "PlttFile.dat");
  EXPECT_EQ(Names(), all);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(m_dir.Read("Orbis" + std::to_string(i) + ".plt"), "file " + std::to_string(i));

  std::filesystem::remove(m_dir.path() / "Orbis3.plt");
  EXPECT_FALSE(DeleteScheme(Data(), schemes, 0, m_failed));
  EXPECT_EQ(m_failed, Data() + "Orbis3.plt");
  EXPECT_EQ(m_dir.Read("Orbis1.plt"), "file 1");
  EXPECT_EQ(m_dir.Read("Orbis2.plt"), "file 2");
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), index);
  EXPECT_EQ(schemes.size(), 3u);

  m_dir.Write("Orbis3.plt", "file 3");
  std::filesystem::permissions(m_dir.path() / "Orbis1.plt", std::filesystem::perms(0444));
  EXPECT_FALSE(DeleteScheme(Data(), schemes, 0, m_failed));
  EXPECT_EQ(m_failed, Data() + "Orbis1.plt");
  EXPECT_EQ(Names(), all);
}

// Another window changed the index after this one read it: the change acts on
// the scheme the user chose, where the index now lists it.
TEST_F(SchemeStore, ChangesActOnTheIndexAsItIsNow) {
  auto shown = WriteThree();
  auto other = shown;
  ASSERT_TRUE(DeleteScheme(Data(), other, 0, m_failed));  // "b" is now in Orbis1.plt
  ASSERT_TRUE(UpdateSchemeFile(Data(), shown[1], NewSchemeColours(), m_failed));
  EXPECT_EQ(m_dir.Read("Orbis1.plt"), FormatSchemeFile("b", Data() + "Orbis1.plt", NewSchemeColours()));
  EXPECT_EQ(m_dir.Read("Orbis2.plt"), "file 3");
  ASSERT_TRUE(DeleteScheme(Data(), shown, 2, m_failed));  // "c", now at position 1
  EXPECT_EQ(m_dir.Read("PlttFile.dat"), "b$Orbis1.plt\r\n");
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_FALSE(DeleteScheme(Data(), other, 1, m_failed));  // "c" is gone
  EXPECT_EQ(m_failed, Data() + "PlttFile.dat");
}

// A file name from the index that reaches out of the data directory reads as
// missing and is never written or removed.
TEST_F(SchemeStore, NamesOutsideTheDataDirectoryAreNeverTouched) {
  m_dir.Write("outside.plt", "not a scheme of this directory");
  m_dir.Write("data/PlttFile.dat", "x$..\\outside.plt\r\ny$/etc/hostname\r\n");
  const CString data = CString(m_dir.str() + "/data/");
  auto schemes = ReadSchemeIndex(data + "PlttFile.dat");
  ASSERT_EQ(schemes.size(), 2u);
  EXPECT_EQ(SchemeFilePath(data, schemes[0]), CString(""));
  EXPECT_TRUE(ReadSchemeFile(SchemeFilePath(data, schemes[1])).empty());
  EXPECT_FALSE(UpdateSchemeFile(data, schemes[0], NewSchemeColours(), m_failed));
  EXPECT_EQ(m_failed, data + "..\\outside.plt");
  EXPECT_FALSE(DeleteScheme(data, schemes, 0, m_failed));
  EXPECT_EQ(m_dir.Read("outside.plt"), "not a scheme of this directory");
  EXPECT_EQ(m_dir.Read("data/PlttFile.dat"), "x$..\\outside.plt\r\ny$/etc/hostname\r\n");
}

}  // namespace
}  // namespace topodlg
