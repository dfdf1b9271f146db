// The entry functions of the TopoDlg dialog library, exported under their plain
// names. Each runs one dialog modally and returns its outcome: "" when the user
// cancelled, otherwise the dialog's result string (code page 932).
#pragma once

#include "platform/cstring.h"
#include "platform/gdi.h"

extern "C" {

// Library frame.
topodlg::CString OnDlgContour(int mainInterval, int totalMain, int indexEvery, int highest, int lowest,
                              int auxInterval, int auxHeight, int showIndex, int indexColour, int colourCoded,
                              int coastAndThick);

}  // extern "C"
