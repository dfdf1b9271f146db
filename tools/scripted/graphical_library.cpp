#include "tools/scripted/graphical_library.h"

#include <dlfcn.h>

#include <filesystem>
#include <vector>

namespace topodlg {
namespace {

const char kFileName[] = "libtopodlg_qt.so";

// The file this code was loaded from: the program, or libtopodlg.so.
std::filesystem::path OwnFile() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&GraphicalLibrary), &info) && info.dli_fname && *info.dli_fname) {
    std::error_code error;
    auto path = std::filesystem::canonical(info.dli_fname, error);
    if (!error) return path;
  }
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

void*& Handle() {
  static void* handle = nullptr;
  return handle;
}

}  // namespace

void* GraphicalLibrary(std::string& error) {
  if (Handle()) return Handle();
  std::vector<std::filesystem::path> candidates;
  if (auto own = OwnFile(); !own.empty()) {
    candidates.push_back(own.parent_path() / kFileName);
#ifdef TOPODLG_LIBDIR
    // An installed topodlg (PREFIX/bin) under any prefix.
    candidates.push_back(own.parent_path().parent_path() / TOPODLG_LIBDIR / kFileName);
#endif
  }
#ifdef TOPODLG_INSTALLED_LIBDIR
  candidates.push_back(std::filesystem::path(TOPODLG_INSTALLED_LIBDIR) / kFileName);
#endif
  error = "there is no graphical backend (libtopodlg_qt.so)";
  for (const auto& candidate : candidates) {
    std::error_code missing;
    if (!std::filesystem::is_regular_file(candidate, missing)) continue;
    // RTLD_LOCAL: its copies of the entry functions never stand in for ours.
    if (void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      Handle() = handle;
      return handle;
    }
    const char* why = dlerror();
    error = std::string("cannot load the graphical backend: ") + (why ? why : candidate.string());
  }
  return nullptr;
}

void* GraphicalSymbol(const char* name) { return Handle() ? dlsym(Handle(), name) : nullptr; }

}  // namespace topodlg
