// A data folder with area and line files and both legend files, for the area
// dialogs' scenario tests. Mapped as drive D:, data directory "D:\".
//   AreaDt00.trk  three areas; AreaDt02.trk one area; AreaDt01.trk missing.
//   Linear00.trk  one line.
//   AreaLgd.dat   groups 1 to 5, group 0 with two entries and a comment.
//   LinrLgd.dat   group 0 with a thick and a thin line.
#pragma once

#include "tests/support/data_drive.h"

namespace topodlg::test {

class AreaData : public DataDrive {
 public:
  AreaData() {
    Lines("AreaDt00.trk", {"H  COORDINATE SYSTEM", "H  高尾山 斜線／ 赤", "H  LATITUDE    LONGITUDE    DATE",
                           "T  N3537.506 E13914.640 10-MAR-03 04:52:24 00200",
                           "T  N3537.600 E13914.700 10-MAR-03 04:53:00 00210", "H  丹沢 格子 深緑 の 森",
                           "H  LATITUDE    LONGITUDE    DATE", "T  N3528.000 E13909.000 21-APR-04 09:10:00 00600",
                           "H  箱根", "H  LATITUDE    LONGITUDE    DATE",
                           "T  N3512.000 E13902.000 02-MAY-05 11:00:00 00800"});
    Lines("AreaDt02.trk", {"H  湖 横線 青", "H  LATITUDE", "T  N3530.000 E13900.000 01-JAN-06 00:00:00 00000"});
    Lines("Linear00.trk", {"H  林道 太線 茶", "H  LATITUDE", "T  N3531.000 E13901.000 03-JUN-07 12:00:00 00100"});
    Lines("AreaLgd.dat", {";area legend", "GROUP1", "1 斜線／ 赤 住宅地", ";inside", "2 格子 深緑 森 林",
                          "GROUP2", "1 横線 青 湖", "GROUP3", "GROUP4", "GROUP5"});
    Lines("LinrLgd.dat", {"GROUP1", "1 太線 茶 林道", "2 細線 紫 歩道", "GROUP2"});
  }
};

}  // namespace topodlg::test
