// A data folder with GPS files of every type and track tables for groups 0, 2
// and 4, for the track dialogs' scenario tests. Mapped as drive D:, data
// directory "D:\".
#pragma once

#include "tests/support/data_drive.h"

namespace topodlg::test {

class TrackData : public DataDrive {
 public:
  TrackData() {
    Lines("gps/a.trk", {"H  COORDINATE SYSTEM", "U  LAT LON DM", "H 高尾山",
                        "T  N3537.50600 E13914.64000 10-MAR-03 04:52:24 00200"});
    Lines("gps/b.pot", {"DAT=WGS84", "ORD=POI/tex=/ido=+35.13.56.6/kei=139.06.26.3/adr=1/alt=+0040/col=12/"
                                     "pda=15-MAY-03/pti=13:05:00"});
    Lines("gps/c.gdb", {"#T 丹沢", "#D WGS 84", "U  LAT LON DM", "T  N3527.74400 E13909.76800 21-APR-04 09:10:00 00600"});
    Lines("gps/d.rot", {";", "14400035.19.32,139.33.00"});
    Lines("gps/e.log", {"04/06/12 07:30:00 N35.9917000 E139.0854000"});
    Lines("gps/heading.trk", {"H  COORDINATE SYSTEM", "U  LAT LON DM"});
    Lines("gps/nopoint.pot", {"DAT=TOKYO"});
    Lines("TRACKTB0.DAT", {";hiking", "d:\\gps\\a.trk", "d:\\gps\\b.pot"});
    Lines("TRACKTB2.DAT", {";routes", "d:\\gps\\d.rot", "d:\\gps\\e.log", "", "d:\\gps\\a.trk"});
    Lines("TRACKTB4.DAT", {"d:\\gps\\c.gdb", "d:\\gps\\heading.trk", "d:\\gps\\nopoint.pot", "d:\\gps\\missing.trk"});
  }
};

}  // namespace topodlg::test
