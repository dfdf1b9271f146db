// The entry functions of the TopoDlg dialog library, exported under their plain
// names. Each runs one dialog modally and returns its outcome: "" when the user
// cancelled, otherwise the dialog's result string (code page 932).
#pragma once

#include "platform/cstring.h"
#include "platform/gdi.h"

extern "C" {

// Library frame.
topodlg::CString OnDlgContour(int mainInterval, int totalMain, int indexEvery, int highest, int lowest,
                              int auxInterval, int auxHeight, int showIndex, int indexColour, int colourCoded,
                              int coastAndThick);
int OnDlgGraphicSize(int size);
topodlg::CString OnDlgScaleSet(int northSouthLength, int eastWestLength, int verticalLength, int ticks,
                               int scaleNorthSouth, int scaleEastWest, int compassNorthSouth, int compassEastWest,
                               topodlg::CString displaySwitch);
topodlg::CString OnDlgLgdSet(int legendMove, int legendCorner, int titleMove, int titleAlignment,
                             topodlg::CString cornerName);
topodlg::CString OnDlgPrintSet(int contourWidth, int showPoints, int drawingSize, int printIndexMaps, int fontSize,
                               topodlg::CString legendPlace, topodlg::CString frameScale);
topodlg::CString OnDlgRangeSet(int unused, int northWestX, int northWestY, int southEastX, int southEastY,
                               int smallestX, int smallestY, int largestX, int largestY, float userCellWidth,
                               float userCellHeight, topodlg::CString cellSize, topodlg::CString meshKind,
                               topodlg::CString mapKind);
topodlg::CString OnDlgGradientSet(int displayItem, int colour, int background, int passedThrough, int textSize,
                                  topodlg::CString blockDiagram);
topodlg::CString OnDlgPrflSet(int sectionLineWidth, int verticalLines, int baseline, int background, int unused,
                              int sections, int passedThrough, int terrainLineColour, float spacing);
topodlg::CString OnDlgViewPoint(int highest, int lowest, int blockBottom, int azimuth, int depression, int angleStep,
                                int hiddenLines, int relief, int wireDirection, int frameInterval,
                                float exaggeration, topodlg::CString direction);

topodlg::CString OnDlgTrack(int showFlag, int passedValue, int selectedIndex, int scaleFlag, int scaleInterval, int selectedRow, int group, topodlg::CString groupName0, topodlg::CString groupName1, topodlg::CString groupName2, topodlg::CString groupName3, topodlg::CString groupName4, topodlg::CString dataDirectory, topodlg::CString currentPath, topodlg::CString editorPath, topodlg::CString displayedNumbers, topodlg::CString displayedPaths);
topodlg::CString OnDlgTrkUp(topodlg::CString groupName0, topodlg::CString groupName1, topodlg::CString groupName2, topodlg::CString groupName3, topodlg::CString groupName4, topodlg::CString dataDirectory, topodlg::CString mesh, topodlg::CString editorPath);
topodlg::CString OnDlgPoint(int packed, int count, int symbolSize, topodlg::CString currentFile, topodlg::CString editorPath, topodlg::CString dataDirectory, topodlg::CString fileList);
topodlg::CString OnDlgOvlyF(topodlg::CString currentFile, topodlg::CString listKind, topodlg::CString editorPath, topodlg::CString dataDirectory);
topodlg::CString OnDlgOvlp(int finish, topodlg::CString latitude, topodlg::CString longitude);

// Map appearance.
topodlg::CString OnDlgClSet(int position, int lakeColour, int backgroundColour, topodlg::CString dataDir,
                            topodlg::CString editorProgram);
topodlg::CString OnDlgMapType(int highest, int lowest, int contourLines, int interval, int detail, int schemePosition,
                              int method, int gradation, int reducedMode, topodlg::CString dataDir);
topodlg::CString OnDlgHgtS(topodlg::CString flags);
topodlg::CString OnDlgLowland(topodlg::CString values);
topodlg::CString OnDlgWmapSpec(topodlg::CString options, topodlg::CString mapFile, topodlg::CString pointer,
                               topodlg::CString prefectureColour);
topodlg::CString OnWhiteMapAccess(topodlg::CString cataloguePath, topodlg::CString region,
                                  topodlg::CString sheetName, int sheetMode);
void OnWhiteScaleX(topodlg::CDC* dc, int mode, float scaleFactor, int x, int y, float divisor);
topodlg::CString OnDlgMpSpc(int itemsPerPoint, int itemPosition, int symbolColour, int itemColour, int showPlaceNames,
                            int fileMode, int fontSize, int displayCount, int wideArea, int boundaries,
                            int boundaryDetails, int latLonLockedOff, int lakes, int lakeNames, int reservoirs,
                            int reservoirNames, int reservoirLength, int lakeElevation, int reservoirElevation,
                            int popup, int datumTabFrame, int gridInterval, topodlg::CString regionalPath,
                            topodlg::CString secondPath, topodlg::CString placeNameFile, topodlg::CString sheetNumber,
                            topodlg::CString mapTitle, topodlg::CString legend, topodlg::CString gridUnit,
                            topodlg::CString sheetFrame, topodlg::CString mapKind, topodlg::CString latLonLines,
                            topodlg::CString gridColour, topodlg::CString scaleCompass, topodlg::CString pointer,
                            topodlg::CString textBackground, topodlg::CString dataDirectory,
                            topodlg::CString prefectureColour, topodlg::CString keyword,
                            topodlg::CString kindsAndMarker);

// Distance tools.
topodlg::CString OnDlgDCSet(int show, int lineColour, int interval, int start, int end);
topodlg::CString OnDlgDstDr(int group, int show, int proportional, int targetNames, topodlg::CString groupName0,
                            topodlg::CString groupName1, topodlg::CString groupName2, topodlg::CString groupName3,
                            topodlg::CString groupName4, topodlg::CString dataDirectory, topodlg::CString editorPath);
topodlg::CString OnDlgDtMsr(int measure, int confirm, int cumulative, int pointNumbers, int sectionDistances,
                            int fontSize, int textColour, int white);
int OnDlgDtChk(topodlg::CString latitude, topodlg::CString longitude);

}  // extern "C"
