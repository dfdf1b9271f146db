// The colour scheme dialog driven through topodlg's scripted user, on a copy of
// the sample data directory.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

namespace fs = std::filesystem;

// The fill colour of a swatch's last drawing in a dump ("" when none).
std::string Fill(const Dump& dump, int id) {
  for (const JsonValue& op : dump.Control(id).Drawing()) {
    if (op.Has("fill") && !op["fill"].IsNull()) return op["fill"].Str();
  }
  return "";
}

// The controls of a dump that are checked.
std::vector<int> Checked(const Dump& dump) {
  std::vector<int> ids;
  for (const DumpedControl& c : dump.Controls()) {
    if (c.Has("checked") && c.Checked() == 1) ids.push_back(c.Id());
  }
  return ids;
}

const std::vector<int> kNone;

std::string Messages(const std::string& log) {
  std::string texts;
  for (const Event& box : Events(log, "messagebox")) texts += box["text"].Str() + "\n";
  return texts;
}

class ColorSchemeDialog : public ::testing::Test {
 protected:
  ColorSchemeDialog() {
    const fs::path samples = fs::path(TOPODLG_SOURCE_DIR) / "examples/data";
    for (const char* name : {"PlttFile.dat", "Orbis1.plt", "Orbis2.plt", "Orbis3.plt", "Orbis4.plt"})
      fs::copy_file(samples / name, m_data.path() / name);
  }
  RunResult Run(const std::string& script, int position = 0, const std::string& editor = "/bin/true") {
    return RunCli({"call", "OnDlgClSet", std::to_string(position), "16711680", "16777215", "D:\\", editor,
                   "--drive", "D=" + m_data.str()},
                  script);
  }
  std::string Read(const std::string& name) const { return m_data.Read(name); }

  TempDir m_data;
};

TEST_F(ColorSchemeDialog, OpensOnTheHostsSchemeAndReturnsItsColours) {
  RunResult r = Run("dump\nenter\n", 1);
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "1 0 0 128 0 0 255 255 255 255\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1029).Items(), Texts({U8(u8"標準"), U8(u8"濃淡（緑）"), U8(u8"寒色"), U8(u8"地表（茶系）"),
                                               U8(u8"新規登録")}));
  EXPECT_EQ(dump.Control(1029).Selected(), 1);
  EXPECT_EQ(dump.Control(1119).Text(), U8(u8"配色の登録数=4"));
  EXPECT_EQ(Fill(dump, 1017), "#000080");  // sea
  EXPECT_EQ(Fill(dump, 1118), "#c8f0c8");  // 0 m
  EXPECT_EQ(Fill(dump, 1018), "#000000");  // 100 m left out: black
  EXPECT_EQ(Fill(dump, 1030), "#0000ff");  // lakes, from the host
  EXPECT_EQ(Fill(dump, 1050), "#ffffff");  // background
  const JsonValue swatch = dump.Control(1017).Drawing().at(0);
  EXPECT_EQ(swatch["op"].Str() + " " + swatch["color"].Str(), "rect #ffffff");
  EXPECT_EQ(swatch["rect"].Ints(), std::vector<int>({0, 0, 40, 17}));

  EXPECT_EQ(Run("escape\n").out, "\n");
}

TEST_F(ColorSchemeDialog, PreviewBlendsAcrossLeftOutLevelsUntilTheNextSelection) {
  RunResult r = Run("click 1122\ndump\nselect 1029 2\ndump\nclick 1122\nclick 1017\ncolor cancel\ndump\nenter\n", 1);
  ASSERT_EQ(r.exit, 0) << r.err;
  const auto dumps = Dumps(r.log);
  ASSERT_EQ(dumps.size(), 3u);
  // 100 m (level 6) between 0 m (200 240 200, level 1) and 1,000 m (60 140 60, level 66).
  EXPECT_EQ(Fill(dumps[0], 1018), "#bde8bd");
  EXPECT_EQ(dumps[0].Control(1122).Kind(), "check");
  EXPECT_EQ(Checked(dumps[0]), std::vector<int>{1122});
  EXPECT_EQ(Checked(dumps[1]), kNone);  // cleared by the selection
  // A swatch click clears the preview and frames the swatch over its colour.
  EXPECT_EQ(Checked(dumps[2]), kNone);
  const std::vector<JsonValue> framed = dumps[2].Control(1017).Drawing();
  ASSERT_EQ(framed.size(), 2u) << dumps[2].Control(1017).Json();
  EXPECT_EQ(framed[0]["fill"].Str(), "#000060");
  EXPECT_TRUE(framed[0]["hatch"].IsNull());
  EXPECT_EQ(framed[1]["op"].Str() + " " + framed[1]["color"].Str(), "rect #000000");
  EXPECT_EQ(framed[1]["rect"].Ints(), std::vector<int>({0, 0, 40, 16}));
  EXPECT_EQ(r.out, "2 0 0 96 0 0 255 255 255 255\n");
}

TEST_F(ColorSchemeDialog, UpdateRewritesTheSchemeAndMarksTheResult) {
  RunResult r = Run("click 1021\ncolor 1 2 3\ndump\nclick 1111\nanswer ok\nenter\n", 2);
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(DumpAt(r).Control(1111).Text(), U8(u8"更新"));
  EXPECT_EQ(Messages(r.log), U8(u8"現在選択中の配色を更新します！\n"));
  EXPECT_EQ(r.out, "-2 0 0 96 0 0 255 255 255 255\n");
  const std::string file = Read("Orbis3.plt");
  EXPECT_EQ(file.find(";寒色  D:\\Orbis3.plt  \r\n   0   0   0  96      （海域）  1:15\r\n"), 0u);
  EXPECT_NE(file.find("\r\n1000   1   2   3     1,000m\r\n1500  60  90 180"), std::string::npos);
}

TEST_F(ColorSchemeDialog, OkAsksAboutPendingEditsAndTheMarkStaysWhateverTheAnswer) {
  const std::string before = Read("Orbis1.plt");
  RunResult r = Run("click 1017\ncolor 9 9 9\nenter\nanswer cancel\n", 0);
  EXPECT_EQ(Messages(r.log), U8(u8"配色を更新しますか！\n"));
  EXPECT_EQ(r.out, "0 0 64 160 0 0 255 255 255 255\n");  // -0: the mark cannot show at 0
  EXPECT_EQ(Read("Orbis1.plt"), before);

  r = Run("click 1017\ncolor 9 9 9\nenter\nanswer ok\nanswer ok\n", 3);
  EXPECT_EQ(Messages(r.log), U8(u8"配色を更新しますか！\n現在選択中の配色を更新します！\n"));
  EXPECT_EQ(r.out, "-3 30 60 120 0 0 255 255 255 255\n");  // the sea as last loaded
  EXPECT_NE(Read("Orbis4.plt").find("   0   9   9   9"), std::string::npos);
}

TEST_F(ColorSchemeDialog, LakeAndBackgroundAreTheHostsAndCancelPendingSchemeEdits) {
  const std::string before = Read("Orbis1.plt");
  RunResult r = Run("click 1020\ncolor 1 2 3\nclick 1030\ncolor 10 20 30\nclick 1050\ncolor 255 255 255\n"
                    "click 1050\ncolor 40 50 60\nenter\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(Messages(r.log), "");
  EXPECT_EQ(r.out, "0 0 64 160 10 20 30 40 50 60\n");
  EXPECT_EQ(Read("Orbis1.plt"), before);
  EXPECT_EQ(Events(r.log, "colordialog").at(2).Line(),
            R"({"event":"colordialog","initial":"#ffffff","answer":"#ffffff"})");
}

// What the editor leaves is read at the next selection of the scheme.
TEST_F(ColorSchemeDialog, EditorOpensTheSchemeFile) {
  m_data.Write("edit.sh", "printf '1000 255   0   0\\r\\n' >> \"$1\"\n");
  RunResult r = Run("click 1111\ndump\nselect 1029 0\ndump\nenter\n", 0, "/bin/sh " + m_data.str() + "/edit.sh");
  ASSERT_EQ(r.exit, 0) << r.err;
  const Event process = Events(r.log, "process").at(0);
  EXPECT_EQ(process["command"].Str(), "/bin/sh " + m_data.str() + "/edit.sh D:\\Orbis1.plt");
  const Texts argv = process["argv"].Strs();
  ASSERT_FALSE(argv.empty());
  EXPECT_EQ(argv.back(), m_data.str() + "/Orbis1.plt");
  EXPECT_EQ(Fill(DumpAt(r, 0), 1021), "#d2aa5a");
  EXPECT_EQ(Fill(DumpAt(r, 1), 1021), "#ff0000");
}

TEST_F(ColorSchemeDialog, RegistrationWritesANewSchemeAndRefillsTheList) {
  RunResult r = Run("select 1029 4\ndump\nclick 1026\ncolor 250 250 250\ntype 1029 \"" + U8(u8"新しい配色") +
                    "\"\nclick 1111\nanswer ok\ndump\nenter\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  const auto dumps = Dumps(r.log);
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_EQ(dumps[0].Control(1111).Text(), U8(u8"新規登録"));
  EXPECT_EQ(Fill(dumps[0], 1017), "#0000ff");
  EXPECT_EQ(Fill(dumps[0], 1026), "#ffffff");
  EXPECT_EQ(Messages(r.log), U8(u8"新規に配色を登録します！\n"));
  EXPECT_NE(Read("Orbis5.plt").find("   1 255 255 255         0m\r\n4000 250 250 250"), std::string::npos);
  EXPECT_EQ(Read("PlttFile.dat").substr(82), "新しい配色$Orbis5.plt\r\n");
  // The list is filled again without "新規登録" and without a selection; the
  // sea colour is still the one last loaded from a file.
  EXPECT_EQ(dumps[1].Control(1029).Items(), Texts({U8(u8"標準"), U8(u8"濃淡（緑）"), U8(u8"寒色"), U8(u8"地表（茶系）"),
                                                   U8(u8"新しい配色")}));
  EXPECT_EQ(dumps[1].Control(1029).Selected(), -1);
  EXPECT_EQ(dumps[1].Control(1111).Text(), U8(u8"新規登録"));
  EXPECT_EQ(r.out, "4 0 64 160 0 0 255 255 255 255\n");
}

TEST_F(ColorSchemeDialog, RegistrationWantsANewNameAndRespectsTheLimit) {
  RunResult r = Run("select 1029 4\ntype 1029 \"\"\nclick 1111\nanswer ok\nanswer ok\nanswer cancel\n"
                    "type 1029 \"" + U8(u8"寒色") + "\"\nclick 1111\nanswer ok\nanswer cancel\nescape\n");
  EXPECT_EQ(Messages(r.log), U8(u8"新規に配色を登録します！\n配色の名称を入力してください！\n"
                                u8"配色の名称を入力してください！\n新規に配色を登録します！\n"
                                u8"配色の名称を新規に入力してください！\n"));
  EXPECT_FALSE(fs::exists(m_data.path() / "Orbis5.plt"));

  // OK with edits of the new entry offers the registration, which still wants a name.
  r = Run("select 1029 4\nclick 1017\ncolor 1 1 1\nenter\nanswer ok\nanswer ok\nanswer cancel\n");
  EXPECT_EQ(Messages(r.log), U8(u8"配色を登録しますか！\n新規に配色を登録します！\n配色の名称を入力してください！\n"));
  EXPECT_EQ(r.out, "4 0 64 160 0 0 255 255 255 255\n");  // the sea as last loaded from a file

  // 28 schemes offer a registration; the 29th is the last one. Opened on the
  // "新規登録" position, the dialog loads no scheme: the swatches show black.
  std::string index;
  for (int i = 1; i <= 28; ++i) index += "s" + std::to_string(i) + "$Orbis" + std::to_string(i) + ".plt\r\n";
  m_data.Write("PlttFile.dat", index);
  r = Run("dump\ntype 1029 n29\nclick 1111\nanswer ok\ndump\nenter\n", 28);
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(Fill(DumpAt(r, 0), 1017), "#000000");
  EXPECT_EQ(DumpAt(r, 0).Control(1111).Text(), U8(u8"編集"));
  EXPECT_EQ(Read("Orbis29.plt").substr(Read("Orbis29.plt").find('\n') + 1),
            "   0   0   0   0      （海域）  1:15\r\n   1   0   0   0         0m\r\n4000   0   0   0     4,000m\r\n");
  Texts names = DumpAt(r, 1).Control(1029).Items();
  ASSERT_EQ(names.size(), 29u);
  EXPECT_EQ(names[27] + " " + names[28], "s28 n29");
  EXPECT_EQ(DumpAt(r, 1).Control(1029).Selected(), -1);
  EXPECT_EQ(r.out, "28 0 0 0 0 0 255 255 255 255\n");
  r = Run("dump\nescape\n", 5);
  EXPECT_EQ(DumpAt(r).Control(1119).Text(), U8(u8"配色の登録数=29"));
  names = DumpAt(r).Control(1029).Items();
  ASSERT_EQ(names.size(), 29u);  // the last scheme, and no "新規登録" after it
  EXPECT_EQ(names[27] + " " + names[28], "s28 n29");
  EXPECT_EQ(DumpAt(r).Control(1029).Selected(), 5);
}

TEST_F(ColorSchemeDialog, RegistrationStartsAMissingIndex) {
  fs::remove(m_data.path() / "PlttFile.dat");
  RunResult r = Run("dump\ntype 1029 first\nclick 1111\nanswer ok\nenter\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(DumpAt(r).Control(1119).Text(), U8(u8"配色の登録数=0"));
  // No "orbis" file is listed, but Orbis1.plt to Orbis4.plt exist: the new
  // scheme takes the first number no file has, and no file is overwritten.
  const std::string first = Read("Orbis1.plt");
  EXPECT_EQ(Read("PlttFile.dat"), "first$Orbis5.plt\r\n");
  EXPECT_EQ(Read("Orbis5.plt").find(";first  D:\\Orbis5.plt  \r\n   0   0   0   0"), 0u);
  EXPECT_EQ(Read("Orbis1.plt"), first);
}

// The current position stays: the buttons then act on the scheme that moved
// up into it, and a written file makes button 1111 offer an update.
TEST_F(ColorSchemeDialog, DeletionRenumbersTheFilesAndLeavesNoSelection) {
  const std::string kept = Read("Orbis3.plt");
  RunResult r = Run("click 1032\nanswer ok\ndump\nclick 1111\nanswer cancel\nclick 1032\nanswer ok\nenter\n", 0);
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(Messages(r.log), U8(u8"現在選択中の配色を削除します！\n現在選択中の配色を更新します！\n"
                                u8"現在選択中の配色を削除します！\n"));
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1029).Items(), Texts({U8(u8"濃淡（緑）"), U8(u8"寒色"), U8(u8"地表（茶系）"), U8(u8"新規登録")}));
  EXPECT_EQ(dump.Control(1029).Selected(), -1);
  EXPECT_EQ(Fill(dump, 1017), "#0040a0");  // the swatches keep their colours
  EXPECT_EQ(Read("PlttFile.dat"), "寒色$Orbis1.plt\r\n地表（茶系）$Orbis2.plt\r\n");
  EXPECT_EQ(Read("Orbis1.plt"), kept);
  EXPECT_TRUE(Events(r.log, "process").empty());
  EXPECT_EQ(r.out, "0 0 64 160 0 0 255 255 255 255\n");
}

TEST_F(ColorSchemeDialog, WritesThatFailReportTheFileAndLoseNothing) {
  fs::remove(m_data.path() / "Orbis3.plt");
  fs::create_directory(m_data.path() / "Orbis3.plt");
  RunResult r = Run("click 1017\ncolor 1 2 3\nclick 1111\nanswer ok\nanswer ok\nescape\n", 2);
  ASSERT_EQ(r.exit, 0) << r.err;
  auto boxes = Events(r.log, "messagebox");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[1]["text"].Str().find("Orbis3.plt"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(m_data.path() / "Orbis3.plt"));

  fs::remove(m_data.path() / "Orbis3.plt");
  const std::string index = Read("PlttFile.dat");
  fs::rename(m_data.path() / "PlttFile.dat", m_data.path() / "saved.dat");
  fs::create_directory(m_data.path() / "PlttFile.dat");
  r = Run("type 1029 n\nclick 1111\nanswer ok\nanswer ok\nescape\n");
  boxes = Events(r.log, "messagebox");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[1]["text"].Str().find("PlttFile.dat"), std::string::npos);
  EXPECT_FALSE(fs::exists(m_data.path() / "Orbis3.plt"));  // the new file, taken back
  EXPECT_EQ(Read("saved.dat"), index);

  fs::remove(m_data.path() / "PlttFile.dat");
  fs::rename(m_data.path() / "saved.dat", m_data.path() / "PlttFile.dat");
  // Orbis3.plt is missing: the deletion of Orbis2.plt ends at its renaming,
  // and Orbis2.plt is put back.
  const std::string second = Read("Orbis2.plt");
  r = Run("click 1032\nanswer ok\nanswer ok\nescape\n", 1);
  boxes = Events(r.log, "messagebox");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[1]["text"].Str().find(U8(u8"Orbis3.plt へのアクセス中")), std::string::npos) << boxes[1].Line();
  EXPECT_EQ(boxes[1]["buttons"].Str() + " " + boxes[1]["icon"].Str(), "ok exclamation");
  EXPECT_EQ(Read("Orbis2.plt"), second);
  EXPECT_EQ(Read("PlttFile.dat"), index);
}

TEST_F(ColorSchemeDialog, BadFilesAndPositionsNeverCrash) {
  m_data.Write("Orbis1.plt", std::string("\x00\xff\x81\n;\n\n12\r\r\r", 12) + std::string(5000, '\x9f'));
  m_data.Write("PlttFile.dat", "a$Orbis1.plt\nb$nothing.plt\n" + std::string(300, 'x'));
  RunResult r = Run("dump\nclick 1122\nselect 1029 1\nclick 1122\ndump\nenter\n", 0);
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(Fill(DumpAt(r, 1), 1017), "#000000");
  for (int position : {-1, 7, 99}) {
    r = Run("click 1111\nclick 1032\nclick 1122\ndump\nenter\n", position);
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(Messages(r.log), "");
    EXPECT_EQ(r.out, std::to_string(position) + " 0 0 0 0 0 255 255 255 255\n");
  }
}

}  // namespace
}  // namespace topodlg::test
