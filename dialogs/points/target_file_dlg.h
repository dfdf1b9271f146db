// Choosing the target of the next place-name update or registration (dialog
// 174): whole-area, point-information, regional, text and image, landmark,
// prefecture or table data. In registration mode it names (and if need be
// creates) the regional place-name file of the current map, and it can start a
// new point-information or text and image data file.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CTargetFileDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 174;

  // Target kinds; the stop button returns kStop, no selection kNone.
  static constexpr int kNone = 0, kWholeArea = 1, kPointInfo = 2, kRegional = 3, kTextImage = 4, kLandmark = 5,
                       kPrefecture = 6, kTable = 7, kStop = -1;
  static constexpr int kUpdateMode = 1, kRegistrationMode = 0;

  CTargetFileDlg();

  CString Result() const;

  int m_targetKind = kNone;
  int m_mode = kUpdateMode;  // 1 update; any other value is registration
  int m_pointInfoFlag = 0;   // 1: a point-information file is available
  int m_regionalFlag = 0;    // 3: a regional place-name file is in use
  int m_textImageFlag = 0;   // 1: a text and image data file is available
  int m_landmarkFlag = 0;    // 1: available
  int m_tableFlag = 0;       // 1: available
  int m_siblingDataFlag = 0; // 1: the text and image data belong to the sibling product
  int m_wholeAreaToggle = -1;  // 1 selected, -1 not
  CString m_pointInfoFile;
  CString m_regionalFile;
  CString m_wholeAreaFile;
  CString m_mapFile;
  CString m_dataDirectory;
  CString m_textImageFile;
  CString m_landmarkFile;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  bool IsUpdate() const { return m_mode == kUpdateMode; }
  void Refresh(int kind);
  void Deselect() { m_targetKind = kNone; }
  void Untick(int id) { CheckDlgButton(id, BST_UNCHECKED); }
  void ShowRegistrationRegionalFile();

  void OnWholeArea();
  void OnRegional();
  void OnPointInfo();
  void OnTextImage();
  void OnLandmark();
  void OnPrefecture();
  void OnTable();
  // The point-information and text and image buttons differ only in these.
  struct FileTarget {
    int button;
    int box;
    int kind;
    CString* file;
    int* flag;
  };
  void OnFileTarget(const FileTarget& target);
  void OnNewFile(const FileTarget& target, const char* listName);
  void OnStop();
};

}  // namespace topodlg
