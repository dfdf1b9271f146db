#include "dialogs/media/text_image_regist_dlg.h"

#include "dialogs/media/album_new_dlg.h"
#include "frame/shared_routines.h"
#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kItem = 104,
  kTextFile = 105,
  kPlaceName = 106,
  kLongitude = 109,
  kRegisterAlbum = 114,
  kBrowseImage = 115,
  kImageFile = 129,
  kLatitude = 1170,
  kFinish = 1200,
  kBrowseText = 1201,
};

// What an empty place name or item is registered as.
const char* const kPlaceholder = "〇〇";
const char* const kAlbumWord = "ｱﾙﾊﾞﾑ";

CString OrPlaceholder(const CString& text) { return text.IsEmpty() ? CString(kPlaceholder) : text; }

}  // namespace

CTextImageRegistDlg::CTextImageRegistDlg() : CDialog(kTemplateId) {
  OnClicked(kBrowseText, [this] { OnBrowseText(); });
  OnClicked(kBrowseImage, [this] { OnBrowseImage(); });
  OnNotify(kPlaceName, EN_KILLFOCUS, [this] { m_placeName = OrPlaceholder(GetDlgItemText(kPlaceName)); });
  OnNotify(kItem, EN_KILLFOCUS, [this] { m_item = OrPlaceholder(GetDlgItemText(kItem)); });
  // An emptied file box leaves the file as it was.
  OnNotify(kTextFile, EN_KILLFOCUS, [this] {
    if (CString text = GetDlgItemText(kTextFile); !text.IsEmpty()) m_textFile = text;
  });
  OnNotify(kImageFile, EN_KILLFOCUS, [this] {
    if (CString text = GetDlgItemText(kImageFile); !text.IsEmpty()) m_imageFile = text;
  });
  OnClicked(kRegisterAlbum, [this] { OnRegisterAlbum(); });
  OnClicked(kFinish, [this] { OnFinish(); });
}

// "登録を継続" (the OK button) reads every box as it stands.
void CTextImageRegistDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kPlaceName, m_placeName);
  DDX_Text(pDX, kItem, m_item);
  DDX_Text(pDX, kTextFile, m_textFile);
  DDX_Text(pDX, kImageFile, m_imageFile);
  DDX_Text(pDX, kLatitude, m_latitude);
  DDX_Text(pDX, kLongitude, m_longitude);
}

// A cancelled picker empties the text file. A web page goes into the text box;
// its item says so unless the user gave one.
void CTextImageRegistDlg::OnBrowseText() {
  m_textFile = BrowseForFile("txt", "*.txt",
                             "地点 files (*.txt)|*.txt|WebPage (*.htm)|*.htm|WebPage (*.html)|*.html");
  SetDlgItemText(kTextFile, m_textFile);
  if (m_textFile.Find(".htm") >= 0 && m_item.IsEmpty()) {
    m_item = "WebPage";
    SetDlgItemText(kItem, m_item);
  }
}

// A cancelled picker keeps the image file.
void CTextImageRegistDlg::OnBrowseImage() {
  CString picked = BrowseForFile("bmp", "*.bmp",
                                 "画像 files (*.bmp)|*.bmp|画像 files (*.jpg)|*.jpg|画像 files (*.gif)|*.gif|"
                                 "画像 files (*.pcd)|*.pcd|画像 files (*.pic)|*.pic");
  if (picked.IsEmpty()) return;
  m_imageFile = picked;
  SetDlgItemText(kImageFile, m_imageFile);
}

// An album link is a record whose text file (and, as the members stand, image
// file) names the album file. The text box keeps its text while the album
// dialog runs; only the member is cleared, so a cancelled album links nothing.
void CTextImageRegistDlg::OnRegisterAlbum() {
  m_textFile = "";
  CAlbumNewDlg album;
  album.m_latitude = m_latitude;
  album.m_longitude = m_longitude;
  album.m_dataDirectory = m_dataDirectory;
  if (album.DoModal() == IDOK) {
    m_textFile = album.m_albumPath;
    m_placeName = album.m_placeName;
    m_item = album.m_item;
    m_latitude = album.m_latitude;
    m_longitude = album.m_longitude;
    m_albumName = album.m_albumName;
  }
  if (m_textFile.IsEmpty()) return;
  if (m_placeName.IsEmpty()) m_placeName = kAlbumWord + m_albumName;
  if (m_item.IsEmpty()) m_item = kAlbumWord;
  m_imageFile = m_textFile;
  SetDlgItemText(kPlaceName, m_placeName);
  SetDlgItemText(kItem, m_item);
  SetDlgItemText(kTextFile, m_textFile);
  SetDlgItemText(kLatitude, m_latitude);
  SetDlgItemText(kLongitude, m_longitude);
  SetDlgItemText(kImageFile, kAlbumWord);
}

// The text and image files keep their members: a box emptied by the user does
// not unregister a file.
void CTextImageRegistDlg::OnFinish() {
  m_placeName = OrPlaceholder(GetDlgItemText(kPlaceName));
  m_item = OrPlaceholder(GetDlgItemText(kItem));
  m_latitude = GetDlgItemText(kLatitude);
  m_longitude = GetDlgItemText(kLongitude);
  m_finish = 1;
  EndDialog(IDOK);
}

CString CTextImageRegistDlg::Result() const {
  return CString::Formatted("%d ", m_finish) + m_placeName + "|" + m_item + "|" + m_latitude + "|" + m_longitude +
         "|" + m_textFile + "|" + m_imageFile;
}

CString entry::OnDlgFadd(int finish, CString latitude, CString longitude, CString unused, CString dataDirectory) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CTextImageRegistDlg dlg;
  dlg.m_finish = finish;
  dlg.m_latitude = latitude;
  dlg.m_longitude = longitude;
  dlg.m_unused = unused;
  dlg.m_dataDirectory = dataDirectory;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
