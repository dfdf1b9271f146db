#include "gui/host/argument_names.h"

#include <map>
#include <vector>

namespace topodlg::gui {
namespace {

using Names = std::vector<const char*>;

const std::map<std::string, Names>& Table() {
  static const std::map<std::string, Names> table = {
      {"OnDlgContour",
       {"main contour interval (m)", "total main contours", "index contour every N main", "highest elevation (m)",
        "lowest elevation (m)", "auxiliary interval (m)", "auxiliary height Hm (m)", "show index contours (0/1)",
        "index contour colour (item)", "colour-coded display (0/1)", "coast colour + 100 × thick when printing"}},
      {"OnDlgGraphicSize", {"size (%)"}},
      {"OnDlgScaleSet",
       {"north-south axis (m)", "east-west axis (m)", "vertical axis (m)", "number of ticks",
        "scale position north-south (cells)", "scale position east-west (cells)",
        "compass position north-south (cells)", "compass position east-west (cells)", "display switch (on/off)"}},
      {"OnDlgLgdSet",
       {"legend vertical move (dots)", "legend corner (0 auto, 1-4)", "title vertical move (dots)",
        "title alignment (-1/0/1)", "legend corner name"}},
      {"OnDlgPrintSet",
       {"contour width (0/1)", "show points (0/1)", "drawing size (%)", "print sheet index maps (0/1)",
        "place-name font size (points)", "legend and compass place (OUT/IN)", "outer frame scale (ON/OFF)"}},
      {"OnDlgRangeSet",
       {"(ignored)", "north-west x", "north-west y", "south-east x", "south-east y", "smallest x", "smallest y",
        "largest x", "largest y", "cell width (m)", "cell height (m)", "cell size (width,height)", "mesh kind",
        "map kind"}},
      {"OnDlgGradientSet",
       {"display item (0-3)", "colour (0-3)", "background (0/1)", "passed through", "text size (0-2)",
        "line colour|width|baseline|vertical lines|background|"}},
      {"OnDlgPrflSet",
       {"section line width (0/1)", "vertical lines (0/1)", "baseline (0/1)", "block-diagram background (0/1)",
        "(ignored)", "sections shown + 1", "passed through", "terrain line colour (0-2)", "section spacing (km)"}},
      {"OnDlgViewPoint",
       {"highest point (m)", "lowest point (m)", "block bottom elevation (m)", "azimuth (degrees)",
        "depression angle (degrees)", "angle increment (degrees)", "hidden lines (2/1/-1)", "relief display (1/2)",
        "wire-frame direction (0-2)", "frame interval (0/1)", "vertical exaggeration", "viewpoint direction"}},
      {"OnDlgTrack",
       {"show flag", "passed value", "selected index", "scale flag", "scale interval (km)", "selected row", "group",
        "group name 0", "group name 1", "group name 2", "group name 3", "group name 4", "data directory",
        "current path", "editor path", "displayed numbers (each + blank, -1 ends)", "displayed paths (each + blank)"}},
      {"OnDlgTrkUp",
       {"group name 0", "group name 1", "group name 2", "group name 3", "group name 4", "data directory", "mesh",
        "editor path"}},
      {"OnDlgOvlyF", {"current file", "list kind", "editor path", "data directory"}},
      {"OnDlgPoint",
       {"packed", "count", "symbol size", "current file", "editor path", "data directory",
        "file list (each + |, 999| ends)"}},
      {"OnDlgOvlp", {"finish (0/1)", "latitude", "longitude"}},
      {"OnDlgHgtS", {"band flags (90 × 0/1)"}},
      {"OnDlgLowland", {"highest, lowest, colour (0/1), upper limit (m), blank-separated"}},
      {"OnDlgClSet", {"scheme position", "lake colour (0xBBGGRR)",
                      "background colour (0xBBGGRR)", "data directory", "editor path"}},
      {"OnDlgMapType",
       {"highest point (m)", "lowest point (m)", "contour lines (-999 off)", "colouring interval (m)",
        "drawing detail (0-2)", "scheme position", "method + 100 × keep scheme name", "gradation scheme (0/1)",
        "reduced mode (0/1)", "data directory"}},
      {"OnDlgMapClipper",
       {"user map bound 1", "user map bound 2", "user map bound 3 (above 200: large 50 m map)", "user map bound 4",
        "mesh coordinate 1", "mesh coordinate 2", "mesh coordinate 3", "mesh coordinate 4",
        "TEM sub-kind (1 elevation, 2 mean)", "group name 0", "group name 1", "group name 2", "group name 3",
        "group name 4", "place-name file", "point-information file", "south-west, second value",
        "south-west, first value", "north-east, second value", "north-east, first value", "map file", "mesh code",
        "map name", "(ignored)"}},
      {"OnDlgClipMapCall",
       {"clip list file of group 0", "group name 0", "group name 1", "group name 2", "group name 3", "group name 4",
        "editor path", "terrain colouring (3 off)", "contour value (-999 off)"}},
      {"OnDlgSnrRp",
       {"mode (3 edit, 4 list)", "group (-1 none)", "group name 0", "group name 1", "group name 2", "group name 3",
        "group name 4", "editor path", "data directory"}},
      {"OnTableDispSet",
       {"show (0/1)", "name (0/1)", "record number (0/1)", "background (0 white .. 4 automatic)",
        "field names in Japanese (0/1)", "editor path", "data directory"}},
      {"OnTableFileSet",
       {"mode (0 registration, else update)", "point name", "latitude", "longitude", "note", "table file"}},
      {"OnFileTableSelect",
       {"first tab (0 text/image, 1 web, 2 table)", "lowest field 2", "lowest field 1", "highest field 2",
        "highest field 1", "text and image data file", "data directory"}},
  };
  return table;
}

}  // namespace

std::string ArgumentName(const std::string& entry, size_t index) {
  auto it = Table().find(entry);
  if (it == Table().end() || index >= it->second.size()) return {};
  return it->second[index];
}

}  // namespace topodlg::gui
