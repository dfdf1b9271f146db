// The gallery: every dialog rendered to build/gallery/NNN.png, each the size of
// its template and not blank.
#include <QDir>
#include <QHash>
#include <gtest/gtest.h>

#include "gui/dialog_builder.h"
#include "gui/gallery.h"
#include "platform/dialog_template.h"

namespace topodlg::gui {
namespace {

// The share of pixels that differ from the most common colour (the face colour).
double InkShare(const QImage& image) {
  QHash<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  int background = 0;
  for (int count : counts) background = std::max(background, count);
  const double all = double(image.width()) * image.height();
  return all > 0 ? (all - background) / all : 0;
}

TEST(GalleryTest, EveryDialogRendersAtItsTemplateSizeAndShowsSomething) {
  const QString folder = QStringLiteral(TOPODLG_BINARY_DIR "/gallery");
  QDir().mkpath(folder);
  std::vector<GalleryPicture> pictures = RenderGallery(std::filesystem::path(TOPODLG_SOURCE_DIR) / "examples");
  EXPECT_EQ(pictures.size(), DialogTemplateIds().size());
  for (const GalleryPicture& picture : pictures) {
    SCOPED_TRACE("dialog " + std::to_string(picture.dialog) + " " + picture.openedBy);
    const DialogTemplate* layout = FindDialogTemplate(picture.dialog);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(picture.image.size(), UnitsOf(*layout).SizeToPixels(layout->cx, layout->cy));
    EXPECT_GT(InkShare(picture.image), 0.02);
    EXPECT_TRUE(picture.image.save(folder + QStringLiteral("/%1.png").arg(picture.dialog, 3, 10, QLatin1Char('0'))));
  }
}

}  // namespace
}  // namespace topodlg::gui
