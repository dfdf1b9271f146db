// The library's one application object, made when the library is loaded. It
// has no name and overrides nothing: it anchors the module state every entry
// function enters.
#include "platform/module_state.h"

namespace topodlg {
namespace {

CWinApp theApp;

}  // namespace
}  // namespace topodlg
