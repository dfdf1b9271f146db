#include <gtest/gtest.h>

#include "dialogs/areas/area_legend_dlg.h"
#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

// The legend window places itself where the host says, before it is shown, and
// paints its canvas once at initialisation.
TEST(AreaLegendWindow, MovesToTheHostsCornerAndPaintsAtInitialisation) {
  test::TempDir folder;
  folder.Write("AreaLgd.dat", "GROUP2\r\n1 a b c\r\n");
  CAreaLegendDlg dlg;
  dlg.m_x = -20;
  dlg.m_y = 700;
  dlg.m_group = 1;
  dlg.m_dataDirectory = CString(folder.str() + "/");
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);  // nobody works it here
  ASSERT_TRUE(dlg.ScreenPosition().has_value());
  EXPECT_EQ(dlg.ScreenPosition()->x, -20);
  EXPECT_EQ(dlg.ScreenPosition()->y, 700);
  const auto& drawing = dlg.GetDlgItem(1402)->LastDrawing();
  ASSERT_TRUE(drawing.has_value());
  ASSERT_EQ(drawing->size(), 3u);
  EXPECT_EQ((*drawing)[1].hatch, Hatch::None);  // pattern "a": an outline only
  EXPECT_FALSE((*drawing)[1].fill.has_value());
  EXPECT_EQ((*drawing)[2].text.str(), "c");
}

}  // namespace
}  // namespace topodlg
