// Dialog templates in the resource-script form.
#include "fuzz/fuzz_support.h"
#include "platform/dialog_template.h"

using namespace topodlg;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CString error;
  auto parsed = ParseDialogTemplate(std::string_view(reinterpret_cast<const char*>(data), size), &error);
  if (parsed) {
    parsed->DefaultCommand();
    for (const ControlTemplate& control : parsed->controls) parsed->Find(control.id);
  }
  return 0;
}
