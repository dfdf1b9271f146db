// The table file name of a registered point in the update form the host passes
// it: "path extension", e.g. "d:\stat\pop.csv txt". No user interface here.
#pragma once

#include "platform/cstring.h"

namespace topodlg {

// The table file an update shows: the path up to and including the "." of its
// first ".cs" (found without regard to ASCII case), then the extension word;
// "d:\stat\pop.csv txt" gives "d:\stat\pop.txt". A path without ".cs" gives the
// extension word alone; a text without a blank stays as it is. The text splits
// at its last blank, so a folder name with blanks stays in the path.
CString TableFileForUpdate(const CString& text);

}  // namespace topodlg
