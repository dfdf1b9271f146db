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

// Clipping and guidebooks.
topodlg::CString OnDlgMapClipper(int userBound1, int userBound2, int userBound3, int userBound4, int meshCoord1,
                                 int meshCoord2, int meshCoord3, int meshCoord4, int subKind,
                                 topodlg::CString groupName0, topodlg::CString groupName1,
                                 topodlg::CString groupName2, topodlg::CString groupName3,
                                 topodlg::CString groupName4, topodlg::CString placeNameFile,
                                 topodlg::CString pointInfoFile, topodlg::CString southWestSecond,
                                 topodlg::CString southWestFirst, topodlg::CString northEastSecond,
                                 topodlg::CString northEastFirst, topodlg::CString mapFile, topodlg::CString meshCode,
                                 topodlg::CString mapName, topodlg::CString unused);
topodlg::CString OnDlgClipMapCall(topodlg::CString group0File, topodlg::CString groupName0,
                                  topodlg::CString groupName1, topodlg::CString groupName2,
                                  topodlg::CString groupName3, topodlg::CString groupName4,
                                  topodlg::CString editorProgram, int colouringMode, int contourValue);
topodlg::CString OnDlgSnrRp(int mode, int group, topodlg::CString groupName0, topodlg::CString groupName1,
                            topodlg::CString groupName2, topodlg::CString groupName3, topodlg::CString groupName4,
                            topodlg::CString editorProgram, topodlg::CString dataDirectory);

// Tabular data.
topodlg::CString OnTableDispSet(int show, int name, int recordNumber, int background, int translate,
                                topodlg::CString editorProgram, topodlg::CString dataDirectory);
topodlg::CString OnTableFileSet(int mode, topodlg::CString pointName, topodlg::CString latitude,
                                topodlg::CString longitude, topodlg::CString note, topodlg::CString tableFile);
topodlg::CString OnFileTableSelect(int firstTab, topodlg::CString lowest2, topodlg::CString lowest1,
                                   topodlg::CString highest2, topodlg::CString highest1,
                                   topodlg::CString textImageFile, topodlg::CString dataDirectory);

}  // extern "C"
