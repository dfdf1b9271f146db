// What the exported C functions need to cross the library boundary: a home
// for string results, the device context behind a host's handle, the reason
// the last call failed, and the passing on of calls to the graphical library.
#pragma once

#include <string>

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

// An entry function starts (clears the failure of the last one) / failed: kept
// from the exception being handled (call inside a catch block).
void CallStarted() noexcept;
void CallFailed();
// Sets or gives the text TopoDlgLastError returns on this thread.
void SetLastError(std::string reason);
const std::string& LastError();

// While a person works the dialogs through the graphical library (a separate
// copy of this library with the graphical backend in it, loaded on demand),
// the symbol `name` of that library; nullptr otherwise: the call runs here.
void* ForwardedSymbol(const char* name);
template <class Function>
Function* Forwarded(Function*, const char* name) {
  return reinterpret_cast<Function*>(ForwardedSymbol(name));
}

}  // namespace topodlg
