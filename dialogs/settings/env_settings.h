// The environment settings as they travel: 48 arguments in, one "|"-separated
// result out, and the small rules the pages apply to them (drive letters, the
// index-map groups, the brightness scroll bar, the whole-area
// list). No user interface here.
#pragma once

#include <array>
#include <vector>

#include "dialogs/points/landmark_types.h"
#include "platform/cstring.h"

namespace topodlg {

constexpr int kGroupKindCount = 6;
constexpr int kGroupsPerKind = 5;
constexpr int kIndexMapGroupCount = 5;

struct EnvSettings {
  int startInLastState = 0;
  int currentTab = 0;
  int passedValue = 0;
  int showText = 0;
  int showImages = 0;
  int brightness = 0;   // 0..10
  int frameWidth = 0;   // 10..250
  int whiteMapMethod = 0;
  int registrationMode = 0;
  int projection = 0;   // 0..2
  int indexMapAll = 0;
  std::array<int, kIndexMapGroupCount> indexMapGroups{};
  CString editor;
  CString wholeAreaFile;
  CString stateText;
  CString dataDirectory;
  CString rangeConfirmation;  // "on" / "off"
  CString folder250m;
  CString folder1kmElevation;
  CString folder1kmAverage;
  CString switchText;
  CString viewer;
  CString cdromPath;
  CString cdromDrive;  // "" until the map page derives it
  CString siblingProgram;
  LandmarkTypeNames landmarkTypeNames;
  std::array<std::array<CString, kGroupsPerKind>, kGroupKindCount> groupNames;
  int sheetPrecision = 0;  // 0 normal, 1 double
  int confirmDistance = 0, speedUp250m = 0, speedUp50m = 0;
  int confirmProfile = 0, jpgInApplication = 0, speedUp1km = 0;
};

// The arguments of OnDlgSystm that the dialog uses (the five it ignores are
// not here), in argument order.
struct EnvArguments {
  std::array<int, 10> numbers{};         // arguments 1..10
  std::array<int, 6> indexMap{};         // arguments 14..19
  std::array<CString, 27> texts;         // arguments 20..46 (22 and 31 unused)
  int packedDistance = 0, packedProfile = 0;  // arguments 47, 48
};

EnvSettings DecodeEnvArguments(const EnvArguments& a);

// Argument 46: the 30 group names, kind by kind, each followed by "|", then the
// sheet precision. Missing names stay ""; the precision is the text after the
// last "|" of the whole argument, so it is found even when names are missing
// or extra ones were sent.
void DecodeGroupNames(const CString& packed, EnvSettings& s);

// The result string of a confirmed dialog.
CString EncodeEnvResult(const EnvSettings& s);

// The drive shown for a CD-ROM data path: its first two bytes in upper case
// ("A:" when the path is ""). A double-byte character is never cut in half.
CString DriveOfCdromPath(const CString& path);
// "←" and "→" on the drive: the letter before / after, wrapping A..Z, followed
// by ":". A first character that is not a letter stays alone; "" gives "A:".
CString PreviousDrive(const CString& drive);
CString NextDrive(const CString& drive);

// The index-map rule: a group flag of 1 clears "all"; no group flag of 1, or
// all five, means all groups (and the five are cleared).
void NormaliseIndexMap(int& all, std::array<int, kIndexMapGroupCount>& groups);

// The brightness of images runs from 0 (dark) to 10 (bright).
constexpr int kDarkest = 0, kBrightest = 10;

// The brightness after a scroll code at scroll bar position `pos` (thumb codes
// take `thumb`); nothing for codes that change nothing. Held to 0..10.
bool BrightnessAfterScroll(int pos, int code, int thumb, int& brightness);
// The image frame width steps by 10 within 10..250.
constexpr int kFrameWidthStep = 10, kNarrowestFrame = 10, kWidestFrame = 250;

// The folder of a picked path: up to and including its last "\" ("" without one).
CString FolderOfPath(const CString& path);

// The whole-area place-name files registered in PNTFILE.dat of the data
// directory: every line up to the end or the first empty line (199 bytes each).
std::vector<CString> ReadWholeAreaList(const CString& dataDirectory);

}  // namespace topodlg
