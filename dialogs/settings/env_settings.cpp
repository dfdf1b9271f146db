#include "dialogs/settings/env_settings.h"

#include <algorithm>

#include "dialogs/points/file_list.h"
#include "platform/window.h"  // the scroll codes

namespace topodlg {
namespace {

// The first character of a text: one byte, or two for a double-byte character.
CString FirstCharacter(const CString& text) {
  if (text.IsEmpty()) return text;
  return text.Left(IsLeadByte(static_cast<unsigned char>(text[0])) ? 2 : 1);
}

CString DriveStep(const CString& drive, int step) {
  if (drive.IsEmpty()) return "A:";
  CString first = FirstCharacter(drive);
  first.MakeUpper();
  const char c = first[0];
  if (first.GetLength() != 1 || c < 'A' || c > 'Z') return first;
  const int letter = ((c - 'A') + step + 26) % 26;
  return CString(static_cast<char>('A' + letter), 1) + ":";
}

}  // namespace

EnvSettings DecodeEnvArguments(const EnvArguments& a) {
  EnvSettings s;
  const auto& n = a.numbers;
  s.startInLastState = n[0];
  s.currentTab = n[1];
  s.passedValue = n[2];
  s.showText = n[3];
  s.showImages = n[4];
  s.brightness = n[5];
  s.frameWidth = n[6];
  s.whiteMapMethod = n[7];
  s.registrationMode = n[8];
  s.projection = n[9];
  s.indexMapAll = a.indexMap[0];
  for (int i = 0; i < kIndexMapGroupCount; ++i) s.indexMapGroups[i] = a.indexMap[i + 1];
  // texts[k] is argument 20 + k.
  const auto& t = a.texts;
  s.editor = t[0];
  s.wholeAreaFile = t[1];
  s.stateText = t[3];
  s.dataDirectory = t[4];
  s.rangeConfirmation = t[5];
  s.folder250m = t[6];
  s.folder1kmElevation = t[7];
  s.folder1kmAverage = t[8];
  s.switchText = t[9];
  s.viewer = t[10];
  s.cdromPath = t[12];
  s.siblingProgram = t[13];
  for (int i = 0; i < kLandmarkTypeCount; ++i) s.landmarkTypeNames[i] = t[14 + i];
  DecodeGroupNames(t[26], s);
  // Three flags in the hundreds, tens and units digits (truncating, so any
  // value comes back as the same three numbers).
  s.confirmDistance = a.packedDistance / 100;
  s.speedUp250m = (a.packedDistance % 100) / 10;
  s.speedUp50m = a.packedDistance % 10;
  s.confirmProfile = a.packedProfile / 100;
  s.jpgInApplication = (a.packedProfile % 100) / 10;
  s.speedUp1km = a.packedProfile % 10;
  return s;
}

void DecodeGroupNames(const CString& packed, EnvSettings& s) {
  CString rest = packed;
  for (auto& kind : s.groupNames) {
    for (CString& name : kind) {
      const int bar = rest.Find('|');
      if (bar < 0) {
        name = "";
        continue;
      }
      name = rest.Left(bar);
      rest = rest.Mid(bar + 1);
    }
  }
  const int last = packed.ReverseFind('|');
  s.sheetPrecision = Atoi(last < 0 ? packed : packed.Mid(last + 1));
}

CString EncodeEnvResult(const EnvSettings& s) {
  CString r;
  r.AppendFormat("%d|", s.startInLastState);
  r.AppendFormat("%d|%d|%d|%d|%d|", s.currentTab, s.passedValue, s.showText, s.showImages, s.brightness);
  r.AppendFormat("%d|%d|", s.frameWidth, s.projection);
  r.AppendFormat("%d|", s.indexMapAll);
  for (int group : s.indexMapGroups) r.AppendFormat("%d|", group);
  r.AppendFormat("%d|%d|%d|", 0, 0, 0);
  r.AppendFormat("%d|%d|", s.registrationMode, s.whiteMapMethod);
  const CString texts[] = {s.editor,     s.wholeAreaFile, s.rangeConfirmation,
                           s.folder250m, s.folder1kmElevation, s.folder1kmAverage,
                           s.switchText, s.viewer,        "NULL",
                           s.cdromDrive + "\\DATA\\", s.siblingProgram};
  for (const CString& text : texts) r += text + "|";
  for (const CString& name : s.landmarkTypeNames) r += name + "|";
  for (const auto& kind : s.groupNames) {
    for (const CString& name : kind) r += name + "|";
  }
  r.AppendFormat("%d|%d|", s.confirmDistance, s.confirmProfile);
  r.AppendFormat("%d|%d|%d|%d|%d", s.sheetPrecision, s.jpgInApplication, s.speedUp250m, s.speedUp50m,
                 s.speedUp1km);
  return r;
}

CString DriveOfCdromPath(const CString& path) {
  if (path.IsEmpty()) return "A:";
  int length = std::min(2, path.GetLength());
  // A double-byte character that starts at the second byte would be cut.
  if (length == 2 && !IsLeadByte(static_cast<unsigned char>(path[0])) &&
      IsLeadByte(static_cast<unsigned char>(path[1]))) {
    length = 1;
  }
  CString drive = path.Left(length);
  return drive.MakeUpper();
}

CString PreviousDrive(const CString& drive) { return DriveStep(drive, -1); }
CString NextDrive(const CString& drive) { return DriveStep(drive, 1); }

void NormaliseIndexMap(int& all, std::array<int, kIndexMapGroupCount>& groups) {
  const auto ones = std::count(groups.begin(), groups.end(), 1);
  if (ones > 0) all = 0;
  if (ones == 0 || ones == kIndexMapGroupCount) {
    all = 1;
    groups.fill(0);
  }
}

bool BrightnessAfterScroll(int pos, int code, int thumb, int& brightness) {
  switch (code) {
    case SB_LINELEFT: pos -= 1; break;
    case SB_LINERIGHT: pos += 1; break;
    case SB_PAGELEFT: pos -= 2; break;
    case SB_PAGERIGHT: pos += 2; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = thumb; break;
    default: return false;
  }
  brightness = std::clamp(pos, kDarkest, kBrightest);
  return true;
}

CString FolderOfPath(const CString& path) {
  const int slash = path.ReverseFind('\\');
  return slash < 0 ? CString() : path.Left(slash + 1);
}

std::vector<CString> ReadWholeAreaList(const CString& dataDirectory) {
  return ReadListToFirstEmptyLine(FileListPath(FileListKind::WholeArea, dataDirectory, ""), CommentLines::List);
}

}  // namespace topodlg
