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

// Place names, point coordinates and landmarks.
topodlg::CString OnDlgUdpf(int mode, int regionalFlag, int textImageFlag, int siblingDataFlag,
                           int landmarkAndTableFlags, int targetKind, int pointInfoFlag, topodlg::CString mapFile,
                           topodlg::CString dataDirectory, topodlg::CString wholeAreaFile,
                           topodlg::CString pointInfoFile, topodlg::CString regionalFile,
                           topodlg::CString textImageFile, topodlg::CString landmarkFile);
topodlg::CString OnDlgPntSv(int finish, int lineCount, int meshElevation, topodlg::CString regionalFile,
                            topodlg::CString nearestMesh, topodlg::CString latitude, topodlg::CString longitude);
topodlg::CString OnDlgPntUp(int finish, topodlg::CString placeName, topodlg::CString latitude,
                            topodlg::CString longitude, topodlg::CString elevation, topodlg::CString placeNameFile,
                            int fileKind);
topodlg::CString OnDlgPtUpd(topodlg::CString latitude, topodlg::CString longitude, int number, int count);
topodlg::CString OnDlgPtUpg(int notationCode, int number, int count, topodlg::CString line, topodlg::CString type);
topodlg::CString OnDlgLndMk(int display, int names, int heightMode, topodlg::CString typeFlags,
                            topodlg::CString typeNames, topodlg::CString landmarkFile, topodlg::CString editorPath);
topodlg::CString OnDlgRegistLandMark(int finish, topodlg::CString longitude, topodlg::CString latitude,
                                     topodlg::CString typeName1, topodlg::CString typeName2,
                                     topodlg::CString typeName3, topodlg::CString typeName4,
                                     topodlg::CString typeName5, topodlg::CString typeName6,
                                     topodlg::CString typeName7, topodlg::CString typeName8,
                                     topodlg::CString typeName9, topodlg::CString typeName10,
                                     topodlg::CString typeName11, topodlg::CString typeName12);

// Map appearance.
topodlg::CString OnDlgClSet(int position, int lakeColour, int backgroundColour, topodlg::CString dataDir,
                            topodlg::CString editorProgram);
topodlg::CString OnDlgMapType(int highest, int lowest, int contourLines, int interval, int detail, int schemePosition,
                              int method, int gradation, int reducedMode, topodlg::CString dataDir);
topodlg::CString OnDlgHgtS(topodlg::CString flags);
topodlg::CString OnDlgLowland(topodlg::CString values);

}  // extern "C"
