#include "dialogs/points/place_name_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::PathIn;
using test::TempDir;
using test::WriteFile;

TEST(RegionalPlaceNameFiles, AreNamedAfterTheMapFilesName) {
  auto key = [](const char* mapFile) { return RegionalPlaceNameKey(mapFile).str(); };
  EXPECT_EQ(key("D:\\MAP.V2\\533945.MEM"), "3945");  // the name's dot, not the folder's
  EXPECT_EQ(key("/maps/5339.tar.mem"), "5339");
  EXPECT_EQ(key("ab.mem"), "ab");
  EXPECT_EQ(key("D:\\maps\\533945"), "3945");
  EXPECT_EQ(key("D:\\maps\\.mem"), "");
  EXPECT_EQ(key(""), "");
  EXPECT_EQ(key("D:\\地図表示\\関東地方.mem"), CString("関東地方").str());  // characters, not bytes
  EXPECT_EQ(key("D:\\x\\a関東地方.mem"), CString("関東地方").str());

  EXPECT_EQ(RegionalPlaceNamePath("D:\\MapData\\", "D:\\MAP\\53394ABC.MEM").str(), "d:\\mapdata\\local20\\4abc.lsn");
  EXPECT_EQ(RegionalPlaceNamePath("D:\\MapData\\", ".MEM").str(), "");
}

TEST(RegionalPlaceNameFiles, CountOneLinePerRecordWhateverTheBytes) {
  TempDir folder;
  auto count = [&](const std::string& bytes) { return CountPlaceNameLines(WriteFile(folder, "r.lsn", bytes)); };
  EXPECT_EQ(count(""), 0);
  EXPECT_EQ(count("a\r\nb\r\n"), 2);
  EXPECT_EQ(count("a\r\nb"), 2);  // a last line without its end
  EXPECT_EQ(count("\n\n\n"), 3);
  EXPECT_EQ(count("a\rb\rc"), 1);  // CR alone ends no line
  EXPECT_EQ(count(std::string(2000, 'x') + "\r\ny\r\n"), 2);  // a long record is one record
  EXPECT_EQ(count(std::string("\0\xff\n\0", 4)), 2);
  std::string many;
  for (int i = 0; i < 70000; ++i) many += "n\r\n";  // crosses the read blocks
  EXPECT_EQ(count(many), 70000);

  EXPECT_EQ(CountPlaceNameLines(PathIn(folder, "missing.lsn")), 0);
  EXPECT_EQ(CountPlaceNameLines(CString(folder.str())), 0);  // a folder
  EXPECT_EQ(CountPlaceNameLines(""), 0);
}

TEST(RegionalPlaceNameFiles, AreCreatedEmptyOnlyWhenMissing) {
  TempDir folder;
  std::filesystem::create_directory(folder.path() / "LOCAL20");
  // The folder is found whatever its letter case; the new file keeps its own.
  CString path = CString(folder.str()) + "/local20\\5339.lsn";
  EXPECT_EQ(CreateEmptyFileIfMissing(path), CreateResult::Created);
  EXPECT_EQ(folder.Read("LOCAL20/5339.lsn"), "");
  folder.Write("LOCAL20/5339.lsn", "kept\r\n");
  EXPECT_EQ(CreateEmptyFileIfMissing(path), CreateResult::Existed);
  EXPECT_EQ(folder.Read("LOCAL20/5339.lsn"), "kept\r\n");
  // No folder is made for it.
  EXPECT_EQ(CreateEmptyFileIfMissing(PathIn(folder, "Other/5339.lsn")), CreateResult::Failed);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Other"));
  EXPECT_EQ(CreateEmptyFileIfMissing(""), CreateResult::Failed);
}

}  // namespace
}  // namespace topodlg
