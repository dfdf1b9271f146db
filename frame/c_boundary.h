// What the exported C functions need to cross the library boundary: a home
// for string results and the device context behind a host's handle.
#pragma once

#include "platform/cstring.h"
#include "platform/gdi.h"

struct TopoDlgDC;

namespace topodlg {

// Keeps `result` for the caller until the next entry function returns on
// this thread, and gives its bytes. A result holds no NUL of its own: the C
// caller reads it up to the first one.
const char* HoldResult(CString result);

// The recording device context behind a host's handle; nullptr for none.
CDC* DeviceContextOf(TopoDlgDC* handle);

}  // namespace topodlg
