#include "platform/path_map.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/codepage.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

// The entry of `folder` named `name`, exactly or else without regard to ASCII
// case; when none exists the name stays as given (a new file keeps its case).
std::string ResolveName(const std::string& folder, const std::string& name) {
  std::string exact = folder + (folder.ends_with('/') ? "" : "/") + name;
  if (name == "." || name == ".." || Exists(exact)) return exact;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "/" : folder.c_str()), ::closedir);
  if (!dir) return exact;
  while (dirent* entry = ::readdir(dir.get())) {
    if (EqualIgnoringAsciiCase(entry->d_name, name)) {
      return folder + (folder.ends_with('/') ? "" : "/") + entry->d_name;
    }
  }
  return exact;
}

// Splits at "\" and "/", leaving a "\" that is a trail byte inside its name.
std::vector<CString> SplitPath(const CString& path) {
  std::vector<CString> parts;
  CString current;
  for (int i = 0; i < path.GetLength(); ++i) {
    char c = path[i];
    if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < path.GetLength()) {
      current += c;
      current += path[++i];
    } else if (c == '\\' || c == '/') {
      if (!current.IsEmpty()) parts.push_back(current);
      current.Empty();
    } else {
      current += c;
    }
  }
  if (!current.IsEmpty()) parts.push_back(current);
  return parts;
}

}  // namespace

// (Strings here are built with assign(count, char) and constructors rather than
// by assigning short literals: GCC 12 at -O3 wrongly reports -Wrestrict inside
// std::string's literal assignment.)
DriveMap::DriveMap() { m_drives.try_emplace('Z', 1, '/'); }

// The folder is kept absolute, so that the paths a file picker hands out (which
// are absolute) find their drive even when it was mapped by a relative name.
void DriveMap::Map(char letter, const std::string& hostFolder) {
  std::error_code error;
  std::string folder = std::filesystem::absolute(hostFolder, error).lexically_normal().string();
  if (error) folder = hostFolder;
  while (folder.size() > 1 && folder.ends_with('/')) folder.pop_back();
  m_drives[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = folder.empty() ? "/" : folder;
}

std::string DriveMap::ToHost(const CString& libraryPath) const {
  std::string root;
  CString rest;
  if (libraryPath.GetLength() >= 2 && libraryPath[1] == ':' && std::isalpha(static_cast<unsigned char>(libraryPath[0]))) {
    auto it = m_drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(libraryPath[0]))));
    if (it == m_drives.end()) return {};
    root = it->second;
    rest = libraryPath.Mid(2);
  } else if (libraryPath.GetLength() >= 1 && libraryPath[0] == '/') {
    root.assign(1, '/');
    rest = libraryPath;
  } else {
    // A relative path stays relative to the current folder.
    root.assign(1, '.');
    rest = libraryPath;
  }
  std::string host = root;
  for (const CString& part : SplitPath(rest)) host = ResolveName(host, Cp932ToUtf8(part.view()));
  return host;
}

CString DriveMap::ToLibrary(const std::string& hostPath) const {
  char bestLetter = 'Z';
  size_t bestLength = 0;
  std::string bestRest = hostPath;
  for (const auto& [letter, folder] : m_drives) {
    std::string prefix = folder == "/" ? "" : folder;
    bool inside = hostPath.compare(0, prefix.size(), prefix) == 0 &&
                  (hostPath.size() == prefix.size() || hostPath[prefix.size()] == '/');
    if (inside && (prefix.size() > bestLength || (bestLength == 0 && letter == 'Z'))) {
      bestLetter = letter;
      bestLength = prefix.size();
      bestRest = hostPath.substr(prefix.size());
    }
  }
  std::string windows = std::string(1, bestLetter) + ":";
  for (char c : bestRest) windows += c == '/' ? '\\' : c;
  if (windows.size() == 2) windows += '\\';
  auto cp932 = Utf8ToCp932(windows);
  return cp932 ? *cp932 : CString(windows);
}

DriveMap& Drives() { return AfxGetModuleState().drives; }

}  // namespace topodlg
