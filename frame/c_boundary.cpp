#include "frame/c_boundary.h"

#include <utility>

#include "topodlg/topodlg.h"

// A host's device context: a drawing that the context records into.
struct TopoDlgDC {
  topodlg::Drawing drawing;
  topodlg::CDC dc{&drawing};
};

namespace topodlg {

const char* HoldResult(CString result) {
  thread_local CString held;
  held = std::move(result);
  return held.c_str();
}

CDC* DeviceContextOf(TopoDlgDC* handle) { return handle ? &handle->dc : nullptr; }

}  // namespace topodlg
