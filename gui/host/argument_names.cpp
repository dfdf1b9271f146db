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
      {"OnDlgDCSet", {"show (0/1)", "line colour (0 black, 1 red, 2 blue)", "interval (km)", "start (km)", "end (km)"}},
      {"OnDlgDstDr",
       {"group", "show (0/1)", "bearing lines proportional (0/1)", "target names (0/1)", "group name 0",
        "group name 1", "group name 2", "group name 3", "group name 4", "data directory", "editor path"}},
      {"OnDlgDtMsr",
       {"measure (0/1)", "confirm points (0/1)", "cumulative distance (0/1)", "point numbers (0/1)",
        "section distances (0/1)", "font size (0 large, 1 small)", "text colour (0 blue, 1 black, 2 red)",
        "white instead of black (0/1)"}},
      {"OnDlgDtChk", {"latitude", "longitude"}},
      {"OnDlgWmapSpec",
       {"17 options each + | (names, item, position, symbol colour, item colour, display count, aspect, "
        "prefecture, lakes, symbols only, background, -, datum, municipal colour, -, municipal, subprefecture), "
        "then # and the municipal data",
        "map file", "pointer coordinates (on/off)", "prefecture colour (RED/ORNG/BLUE)"}},
      {"OnWhiteMapAccess", {"sheet catalogue path", "region", "sheet name", "sheet mode (1 one, 2 3×3)"}},
      {"OnWhiteScaleX", {"device context", "mode (3: 50 km, else 10 km)", "scale factor", "x", "y", "divisor"}},
      {"OnDlgMpSpc",
       {"items per point (1-3)", "item position (1-3)", "symbol colour (1-3)", "item colour (1/2)",
        "show place names (0/1)", "place-name file mode (1, 3, 4)", "font size (points)", "display count (item)",
        "wide-area flag", "boundaries: merged, subprefecture, prefecture, municipal digits",
        "boundary details: enclave × 1000 + colour (10/11) × 10 + names when zoomed",
        "latitude/longitude lines locked off (0/1)", "lakes (0/1)", "lake names (0/1)", "reservoirs (0/1)",
        "reservoir names (0/1)", "reservoir length (0: 5 km, 1: 1 km)", "lake elevation (0/1)",
        "reservoir elevation and dam names (0/1)", "popup (0/1)",
        "world-datum frame × 100 + current tab × 10 + datum", "grid interval (1/5/10)", "regional file path",
        "second path", "place-name file text", "sheet number", "map title", "legend (ON/OFF)",
        "grid unit (OFF minutes/ON mesh)", "sheet frame (on/off)", "map kind", "latitude/longitude lines (ON/OFF)",
        "grid colour (BLACK/RED/BLUE)", "scale and compass (on/off)", "pointer coordinates (on/off)",
        "text background (OPAQUE/TRANSPARENT/PRT_TRANSPARENT)", "data directory",
        "prefecture colour (RED/BLUE/ORNG)", "keyword",
        "all kinds, ten kind flags, title shown (blank-separated) / municipal data marker"}},
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
