// Recorded drawings painted with the pixel rules of the Windows graphics interface.
#include <QImage>
#include <gtest/gtest.h>

#include "gui/tests/sjis.h"

#include "gui/drawing_painter.h"

namespace topodlg::gui {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;  // red sits in the low byte
constexpr uint32_t kGreen = 0x00FF00;

QImage Canvas(QColor background = Qt::white) {
  QImage image(24, 24, QImage::Format_RGB32);
  image.fill(background);
  return image;
}

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

TEST(DrawingPainterTest, RectangleOutlinesAndFillsInsideItsRightAndBottomEdges) {
  QImage image = Canvas();
  {
    QPainter painter(&image);
    DrawingPainter drawing(painter);
    drawing.Rect(FromLtrb(2, 2, 8, 8), kBlack, 1, kRed, std::nullopt);
  }
  EXPECT_EQ(At(image, 2, 2), Qt::black);
  EXPECT_EQ(At(image, 7, 7), Qt::black);
  EXPECT_EQ(At(image, 8, 8), Qt::white);
  EXPECT_EQ(At(image, 4, 5), Qt::red);
}

TEST(DrawingPainterTest, OnePixelLineLeavesOutItsEndPoint) {
  QImage image = Canvas();
  {
    QPainter painter(&image);
    DrawingPainter drawing(painter);
    drawing.Line({1, 3}, {6, 3}, kGreen, 1);
    drawing.Fill(FromLtrb(10, 10, 12, 12), kRed);
  }
  EXPECT_EQ(At(image, 1, 3), Qt::green);
  EXPECT_EQ(At(image, 5, 3), Qt::green);
  EXPECT_EQ(At(image, 6, 3), Qt::white);
  EXPECT_EQ(At(image, 11, 11), Qt::red);
  EXPECT_EQ(At(image, 12, 12), Qt::white);
}

TEST(DrawingPainterTest, HatchBackgroundIsWhiteWhenOpaqueAndUntouchedWhenTransparent) {
  auto countOf = [](const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 3; y < 15; ++y)
      for (int x = 3; x < 15; ++x) count += image.pixelColor(x, y) == colour;
    return count;
  };
  for (bool transparent : {false, true}) {
    QImage image = Canvas(Qt::blue);
    {
      QPainter painter(&image);
      DrawingPainter drawing(painter);
      drawing.SetTransparent(transparent);
      drawing.Rect(FromLtrb(2, 2, 16, 16), kBlack, 1, kRed, Hatch::Cross);
    }
    EXPECT_GT(countOf(image, Qt::red), 10);
    EXPECT_EQ(countOf(image, Qt::white) > 0, !transparent);
    EXPECT_EQ(countOf(image, Qt::blue) > 0, transparent);
  }
}

TEST(DrawingPainterTest, TextHangsFromItsTopLeftCorner) {
  QImage image = Canvas(Qt::blue);
  {
    QPainter painter(&image);
    DrawingPainter drawing(painter);
    drawing.Text({2, 4}, Sjis("凡例"), kBlack, Sjis("ＭＳ ゴシック"), -12);
  }
  bool inkAbove = false, inkInside = false;
  for (int x = 0; x < 24; ++x) {
    for (int y = 0; y < 24; ++y) {
      QColor colour = image.pixelColor(x, y);
      if (colour != Qt::blue && y < 4) inkAbove = true;
      if (colour.lightness() < 60 && colour != Qt::blue && y >= 4 && y < 16) inkInside = true;
    }
  }
  EXPECT_FALSE(inkAbove);
  EXPECT_TRUE(inkInside);
  EXPECT_EQ(At(image, 2, 4), Qt::white);  // the opaque background behind the text
}

}  // namespace
}  // namespace topodlg::gui
