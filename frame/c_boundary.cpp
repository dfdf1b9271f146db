#include "frame/c_boundary.h"

#include <exception>
#include <utility>

#include "topodlg/topodlg.h"
#include "tools/scripted/script.h"

namespace topodlg {

namespace {
thread_local std::string lastError;
}  // namespace

const char* HoldResult(CString result) {
  thread_local CString held;
  held = std::move(result);
  return held.c_str();
}

void CallStarted() noexcept { lastError.clear(); }

void CallFailed() {
  try {
    throw;
  } catch (const ScriptError& e) {
    lastError = e.Message();
  } catch (const std::exception& e) {
    lastError = e.what();
  } catch (...) {
    lastError = "the call failed";
  }
  if (lastError.empty()) lastError = "the call failed";
}

void SetLastError(std::string reason) { lastError = std::move(reason); }
const std::string& LastError() { return lastError; }

}  // namespace topodlg
