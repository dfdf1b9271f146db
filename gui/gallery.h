// The gallery: a picture of every dialog of the library, each opened through its
// entry function with the sample arguments where one is built, the rest (dialogs
// that other dialogs open) from their templates alone.
#pragma once

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace topodlg::gui {

struct GalleryPicture {
  int dialog = 0;
  std::string openedBy;  // the entry function, or "" for a template alone
  QImage image;
};

// Needs the application object. Each dialog appears once, in the order first seen.
std::vector<GalleryPicture> RenderGallery(const std::filesystem::path& examples);

}  // namespace topodlg::gui
