// Library paths (Windows form, code page 932) to host paths (UTF-8) and back.
//
// "X:\rest" goes to the folder mapped to drive X; a path that begins with "/" is
// a host path already. Both "\" and "/" separate folders, except a "\" that is the
// second byte of a double-byte character. A name that does not exist as given is
// looked up again without regard to ASCII letter case.
#pragma once

#include <map>
#include <string>

#include "platform/cstring.h"

namespace topodlg {

class DriveMap {
 public:
  DriveMap();  // Z: maps to "/"
  void Map(char letter, const std::string& hostFolder);
  const std::map<char, std::string>& Drives() const { return m_drives; }

  // The host path for a library path; a drive that is not mapped gives "".
  std::string ToHost(const CString& libraryPath) const;
  // The library form of a host path: the longest mapped folder that contains it
  // gives its drive letter.
  CString ToLibrary(const std::string& hostPath) const;

 private:
  std::map<char, std::string> m_drives;
};

// The drive map in force for this call (held by the module state).
DriveMap& Drives();
inline std::string HostPath(const CString& libraryPath) { return Drives().ToHost(libraryPath); }
inline CString LibraryPath(const std::string& hostPath) { return Drives().ToLibrary(hostPath); }

// The Windows directory, in library form and without a closing "\": its files
// are found through the drive map like any other (with C: mapped to DIR they live
// in DIR/WINDOWS; with C: unmapped they read as missing).
inline CString GetWindowsDirectory() { return "C:\\WINDOWS"; }

}  // namespace topodlg
