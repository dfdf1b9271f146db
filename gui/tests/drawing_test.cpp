// Recorded drawings painted with the pixel rules of the Windows graphics interface.
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

#include "gui/drawing_painter.h"
#include "gui/tests/sjis.h"

namespace topodlg::gui {
namespace {

// Records with the library's own device context, then paints on a 24 × 24 canvas.
QImage Painted(const std::function<void(CDC&)>& draw, QColor background = Qt::white) {
  Drawing drawing;
  {
    CDC dc(&drawing);
    draw(dc);
  }
  QImage image(24, 24, QImage::Format_RGB32);
  image.fill(background);
  QPainter painter(&image);
  PaintDrawing(painter, drawing);
  return image;
}

int CountIn(const QImage& image, QRect area, QColor colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == colour;
  return count;
}

TEST(DrawingPainterTest, RectangleOutlinesAndFillsInsideItsRightAndBottomEdges) {
  QImage image = Painted([](CDC& dc) {
    CBrush red(RGB(255, 0, 0));
    dc.SelectObject(red);
    dc.Rectangle(2, 2, 8, 8);
  });
  EXPECT_EQ(image.pixelColor(2, 2), Qt::black);
  EXPECT_EQ(image.pixelColor(7, 7), Qt::black);
  EXPECT_EQ(image.pixelColor(8, 8), Qt::white);
  EXPECT_EQ(image.pixelColor(4, 5), Qt::red);
}

TEST(DrawingPainterTest, OnePixelLineLeavesOutItsEndPointAndFillsStopBeforeRightAndBottom) {
  QImage image = Painted([](CDC& dc) {
    CPen green(PS_SOLID, 1, RGB(0, 255, 0));
    dc.SelectObject(green);
    dc.MoveTo(1, 3);
    dc.LineTo(6, 3);
    dc.FillSolidRect({10, 10, 12, 12}, RGB(255, 0, 0));
  });
  EXPECT_EQ(image.pixelColor(1, 3), Qt::green);
  EXPECT_EQ(image.pixelColor(5, 3), Qt::green);
  EXPECT_EQ(image.pixelColor(6, 3), Qt::white);
  EXPECT_EQ(image.pixelColor(11, 11), Qt::red);
  EXPECT_EQ(image.pixelColor(12, 12), Qt::white);
}

TEST(DrawingPainterTest, HatchBackgroundIsWhiteWhenOpaqueAndUntouchedWhenTransparent) {
  for (bool transparent : {false, true}) {
    QImage image = Painted(
        [&](CDC& dc) {
          dc.SetBkMode(transparent ? TRANSPARENT : OPAQUE);
          CBrush hatch(HS_CROSS, RGB(255, 0, 0));
          dc.SelectObject(hatch);
          dc.Rectangle(2, 2, 16, 16);
        },
        Qt::blue);
    QRect inside(3, 3, 12, 12);
    EXPECT_GT(CountIn(image, inside, Qt::red), 10);
    EXPECT_EQ(CountIn(image, inside, Qt::white) > 0, !transparent);
    EXPECT_EQ(CountIn(image, inside, Qt::blue) > 0, transparent);
  }
}

TEST(DrawingPainterTest, TextHangsFromItsTopLeftCorner) {
  QImage image = Painted(
      [](CDC& dc) {
        CFont font;
        font.CreateFont(-12, 0, 0, 0, 400, 0, 0, 0, 128, 0, 0, 0, 0, test::Sjis("ＭＳ ゴシック").c_str());
        dc.SelectObject(font);
        dc.TextOut(2, 4, test::Sjis("凡例"));
      },
      Qt::blue);
  EXPECT_EQ(CountIn(image, QRect(0, 0, 24, 4), Qt::blue), 24 * 4);
  EXPECT_EQ(image.pixelColor(2, 4), Qt::white);  // the opaque background behind the text
  int ink = 0;
  for (int y = 4; y < 16; ++y)
    for (int x = 2; x < 24; ++x) ink += image.pixelColor(x, y).lightness() < 60;
  EXPECT_GT(ink, 10);
}

}  // namespace
}  // namespace topodlg::gui
