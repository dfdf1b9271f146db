// The scripted user's scripts.
#include "fuzz/fuzz_support.h"
#include "tools/scripted/script.h"

using namespace topodlg;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    for (const ScriptAction& action : ParseScript(std::string_view(reinterpret_cast<const char*>(data), size))) {
      fuzz::Check(IsKnownAction(action.verb), "a parsed action is a known one");
    }
  } catch (const ScriptError& error) {
    error.Message();  // a malformed script is reported, nothing else
  }
  return 0;
}
