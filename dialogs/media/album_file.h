// Album files: several pictures and texts at one map point. An album lives in
// the folder "Album" of the data directory as "<album name>.alb", code page 932,
// one entry per line with CR LF, no header:
//
//     memo1 latitude longitude memo2 file [file]
//
// fields separated by one blank (memo 2 may be empty, giving two blanks in a
// row). With both files given the image comes first, then the text. The last file
// field is the rest of the line. Readers skip empty lines and lines beginning with
// ";" or "M", read lines with a limit of 199 bytes and take at most 99 entries.
// No user interface here.
#pragma once

#include <ctime>
#include <vector>

#include "platform/cstring.h"

namespace topodlg {

constexpr int kAlbumLineLimit = 199;
// Entries an album reader takes; the holder keeps one more place for "999".
constexpr int kAlbumMaxEntries = 99;
constexpr int kAlbumCapacity = 100;

// Eight characters from the local time: the year's last two digits, the month
// (1-9, then A, B, C), the day (two digits), the hour (0-9, then A for 10 to N
// for 23) and the minute (two digits). 14:05 on 3 November 2009 is "09B03E05".
CString AlbumName(const std::tm& local);
// data directory + "Album\" + name + ".alb".
CString AlbumPath(const CString& dataDirectory, const CString& albumName);

// The same time `minutes` later (the calendar carries over).
std::tm MinutesLater(const std::tm& local, int minutes);

// The name for a new album made at `local`: the time's own name, or, when an
// album of that name already exists (two albums made within one minute), the
// name of the first later minute that is free, so no existing album is ever
// emptied. Gives "" only when a whole day of names is taken.
CString FreeAlbumName(const CString& dataDirectory, const std::tm& local);

// One entry of an album.
struct AlbumEntry {
  CString memo1, latitude, longitude, memo2;
  CString firstFile, secondFile;  // as written; the second may be empty
};

// The entry line (without its CR LF): the image before the text when both are
// given, else the one that is. A field cannot hold a line break, and the four
// leading fields cannot hold a blank (readers split at the first four blanks):
// line breaks are dropped and a blank in a memo or coordinate is written as the
// ideographic blank "　", which reads back as it looks.
CString FormatAlbumEntry(const CString& memo1, const CString& latitude, const CString& longitude,
                         const CString& memo2, const CString& imageFile, const CString& textFile);

// Splits an entry line at its first four blanks; the rest is the first file, or,
// when it still holds a blank, the first file up to it and the second after it.
// Missing fields are empty.
AlbumEntry ParseAlbumEntry(const CString& line);

// Writes one entry line with CR LF: the first entry of a new album replaces the
// file whole, later ones are added at its end (after a line end of their own when
// the user's editor left the last line without one). False when the file could
// not be written; it is then as it was.
bool WriteAlbumEntry(const CString& albumPath, const CString& line, bool firstEntry);

// The entry lines of an album file that readers take, at most 99; a missing
// file gives none. A line longer than the limit counts once, cut to the limit.
std::vector<CString> ReadAlbumLines(const CString& albumPath);

// The form the update dialog holds an entry in:
// memo1 + "#" + memo2 + "@" + first file + "$" + latitude + "$" + longitude,
// then "$" + second file when there is one.
CString HeldAlbumEntry(const AlbumEntry& entry);
// The list row of an entry: memo1 + "#" + memo2.
CString AlbumListRow(const AlbumEntry& entry);

// Which file of an entry is the image: the first, when its lower-case name holds
// ".bmp", ".jpg", ".gif", ".pcd" or ".pic" (the second is then the text);
// otherwise the first is the text and the second the image.
struct TextAndImage {
  CString textFile, imageFile;
};
TextAndImage SplitTextAndImage(const AlbumEntry& entry);

}  // namespace topodlg
