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
      {"OnDlgUdpf",
       {"mode (1 update, 0 registration)", "regional flag (3 in use)", "text and image flag (0/1)",
        "sibling-data flag (0/1)", "landmark flag × 10 + table flag", "target kind (-1 to 7)",
        "point-information flag (0/1)", "map file", "data directory", "whole-area place-name file",
        "point-information file", "regional place-name file", "text and image data file", "landmark file"}},
      {"OnDlgPntSv",
       {"finish (0/1)", "line count (0 counts the file)", "mesh elevation (m)", "regional place-name file",
        "nearest mesh coordinate", "latitude", "longitude"}},
      {"OnDlgPntUp",
       {"finish (0/1)", "place name", "latitude", "longitude", "elevation or attribute", "place-name file",
        "file kind (3 regional)"}},
      {"OnDlgPtUpd", {"latitude", "longitude", "point number (-1 move to)", "point count (-1 move to)"}},
      {"OnDlgPtUpg",
       {"coordinate format code (0 DMS, 1 DEG, 2 DM, 4 D'M'S)", "point number", "point count", "point line",
        "track type (trk/pot/rot/log)"}},
      {"OnDlgLndMk",
       {"display (0/1)", "names (0/1)", "height mode (0 entered, 1 stretched)", "type flags (12 × 0/1)",
        "type names (each + |)", "landmark file", "editor path"}},
      {"OnDlgRegistLandMark",
       {"finish (0/1)", "longitude", "latitude", "type name 1", "type name 2", "type name 3", "type name 4",
        "type name 5", "type name 6", "type name 7", "type name 8", "type name 9", "type name 10", "type name 11",
        "type name 12"}},
      {"OnDlgHgtS", {"band flags (90 × 0/1)"}},
      {"OnDlgLowland", {"highest, lowest, colour (0/1), upper limit (m), blank-separated"}},
      {"OnDlgClSet", {"scheme position", "lake colour (0xBBGGRR)",
                      "background colour (0xBBGGRR)", "data directory", "editor path"}},
      {"OnDlgMapType",
       {"highest point (m)", "lowest point (m)", "contour lines (-999 off)", "colouring interval (m)",
        "drawing detail (0-2)", "scheme position", "method + 100 × keep scheme name", "gradation scheme (0/1)",
        "reduced mode (0/1)", "data directory"}},
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
