// Colour schemes: the scheme index and scheme files as read by both dialogs,
// and the store's registration, update and deletion on a data directory whose
// index is the input. Nothing outside the data directory may ever change.
#include "dialogs/appearance/color_scheme_files.h"
#include "dialogs/appearance/color_scheme_store.h"
#include "fuzz/fuzz_support.h"

using namespace topodlg;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string root = fuzz::FreshFolder("schemes");
  const std::string folder = root + "/data";
  ::mkdir(folder.c_str(), 0755);
  const std::string outsider = root + "/outside.plt";
  fuzz::WriteBytes(outsider, "outside");
  fuzz::WriteBytes(folder + "/PlttFile.dat", bytes);
  fuzz::WriteBytes(folder + "/Orbis1.plt", bytes);
  fuzz::WriteBytes(folder + "/Orbis2.plt", "   0   0   0 255\r\n");
  const CString dataDir(folder + "/");

  // Readers.
  std::vector<SchemeEntry> schemes = ReadSchemeIndex(dataDir + kSchemeIndexName);
  fuzz::Check(schemes.size() <= static_cast<size_t>(kMaxSchemes), "at most 30 schemes");
  fuzz::Check(ReadSchemeNames(dataDir + kSchemeIndexName).size() <= static_cast<size_t>(kMaxSchemes),
              "at most 30 names");
  const std::vector<SchemeLine> lines = ReadSchemeFile(dataDir + "Orbis1.plt");
  fuzz::Check(lines.size() <= static_cast<size_t>(kMaxSchemeLines), "a bounded scheme");
  for (bool preview : {false, true}) SchemeSwatchColours(lines, preview);
  for (const SchemeEntry& scheme : schemes) ReadSchemeFile(SchemeFilePath(dataDir, scheme));

  // The store.
  SchemeRegistration registration = RegisterScheme(dataDir, CString(bytes.substr(0, size % 40)), NewSchemeColours());
  if (registration.result == SchemeRegisterResult::Registered) {
    fuzz::Check(!registration.file.IsEmpty() && fuzz::ReadBytes(folder + "/" + registration.file.str()).size() > 0,
                "a registered scheme has its file");
  }
  schemes = ReadSchemeIndex(dataDir + kSchemeIndexName);
  CString failed;
  if (!schemes.empty()) {
    UpdateSchemeFile(dataDir, schemes[size % schemes.size()], NewSchemeColours(), failed);
    DeleteScheme(dataDir, schemes, static_cast<int>(size % schemes.size()), failed);
  }
  fuzz::Check(fuzz::ReadBytes(outsider) == "outside", "nothing outside the data directory changes");
  return 0;
}
