// What the place-name page shows of the place-name files: the label of the
// whole-area file, the name of the regional file in Local20\, and the texts of
// the file choices. No user interface here.
#pragma once

#include "platform/cstring.h"

namespace topodlg {

// The label of a place-name file text that holds a "\": "ﾌｧｲﾙ:" + the file
// name, "全域地点ﾌｧｲﾙは未登録" when the name is empty. The name is the text
// from eight characters (a double-byte character counts once) before its first
// "." on, less everything up to the last "\", in lower case, and cut before
// its first blank or ideographic blank, so a remark after the name stays out
// of the label. A text without "." gives the whole text after its last "\".
CString PlaceNameFileLabel(const CString& fileText);

// The label of a text without "\" in a mode that has one: "ﾌｧｲﾙ:地域地点名ﾌｧｲﾙ"
// for the regional modes 3 and 5, "ﾌｧｲﾙ:全域＋地域" for 7 (both files); ""
// for the other modes, whose box keeps its text.
CString PlaceNameModeLabel(int fileMode);

// The regional place-name file of a regional data path: the four characters
// before its first "." (with "MEM" in the path, the four that begin six before
// it) + ".lsn". "" when the path has no "." or too few characters before it,
// or when the four hold a folder separator or a second ".".
CString RegionalFileName(const CString& regionalPath);

// The file-choice text for the regional file alone: "ﾌｧｲﾙ:" + the name after
// the regional path's last "\" ("ﾌｧｲﾙ:地域地点名ﾌｧｲﾙ" when that is empty).
CString RegionalChoiceText(const CString& regionalPath);

}  // namespace topodlg
