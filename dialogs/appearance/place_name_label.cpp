#include "dialogs/appearance/place_name_label.h"

#include <vector>

namespace topodlg {
namespace {

constexpr int kNameCharsBeforeDot = 8;

// The byte index where the character that lies `count` characters before
// byte `at` begins (0 when the text has fewer).
int CharsBefore(const CString& text, int at, int count) {
  std::vector<int> starts;
  for (int i = 0; i < at; i = text.NextBoundary(i + 1)) starts.push_back(i);
  const int n = static_cast<int>(starts.size());
  return n <= count ? 0 : starts[n - count];
}

CString AfterLastSeparator(const CString& text) { return text.Mid(text.ReverseFind('\\') + 1); }

}  // namespace

CString PlaceNameFileLabel(const CString& fileText) {
  const int dot = fileText.Find('.');
  CString name = AfterLastSeparator(dot < 0 ? fileText : fileText.Mid(CharsBefore(fileText, dot, kNameCharsBeforeDot)));
  name.MakeLower();
  for (const char* blank : {" ", "　"}) {
    const int at = name.Find(blank);
    if (at >= 0) name = name.Left(at);
  }
  return name.IsEmpty() ? CString("全域地点ﾌｧｲﾙは未登録") : "ﾌｧｲﾙ:" + name;
}

CString PlaceNameModeLabel(int fileMode) {
  switch (fileMode) {
    case 3:
    case 5: return "ﾌｧｲﾙ:地域地点名ﾌｧｲﾙ";
    case 7: return "ﾌｧｲﾙ:全域＋地域";
    default: return "";
  }
}

CString RegionalFileName(const CString& regionalPath) {
  const int dot = regionalPath.Find('.');
  const int start = dot - (regionalPath.Find("MEM") >= 0 ? 6 : 4);
  if (dot < 0 || start < 0) return "";
  const CString stem = regionalPath.Mid(start, 4);
  if (stem.FindOneOf("\\/.:") >= 0) return "";
  return stem + ".lsn";
}

CString RegionalChoiceText(const CString& regionalPath) {
  const CString name = AfterLastSeparator(regionalPath);
  return name.IsEmpty() ? CString("ﾌｧｲﾙ:地域地点名ﾌｧｲﾙ") : "ﾌｧｲﾙ:" + ToLower(name);
}

}  // namespace topodlg
