// Colour schemes (dialog 202): choosing the scheme the map uses, editing its
// colours on 13 swatches, registering, updating, deleting and editing scheme
// files, and the host's lake and background colours.
#pragma once

#include <array>

#include "dialogs/appearance/color_scheme_files.h"
#include "platform/dialog.h"

namespace topodlg {

class CColorSchemeDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 202;
  CColorSchemeDlg();

  // The result string of a confirmed dialog.
  CString Result() const;

  enum class ChangeState { None, PaletteChangeD, PaletteChangeF };

  // Names and files of the listed schemes; the file entry after the last
  // scheme holds kFreeSchemeFile, the position a registration takes.
  std::array<CString, kMaxSchemes + 1> m_schemeNames;
  std::array<CString, kMaxSchemes + 1> m_schemeFiles;
  int m_schemeCount = 0;
  int m_currentPosition = 0;
  int m_newEntryPosition = -1;    // the "新規登録" entry, -1 when there is none
  SwatchColours m_swatches{};     // C1..C13 as shown
  SwatchColours m_newSchemeColours = NewSchemeColours();
  COLORREF m_seaColour = 0;       // as last loaded from a scheme file
  COLORREF m_lakeColour = 0;
  COLORREF m_backgroundColour = 0;
  int m_preview = 0;              // interpolation preview
  bool m_loaded = false;
  CString m_dataDir;
  CString m_editorProgram;
  CString m_indexPath;
  CString m_schemePath;           // the file the editor opens
  // True while the "新規登録" entry is the list's selection (chosen in the
  // list, not merely the position the dialog opened on).
  bool m_newEntrySelected = false;
  ChangeState m_changeState = ChangeState::None;
  bool m_changedMark = false;     // the host must reload the scheme

 protected:
  bool OnInitDialog() override;
  void OnPaint() override;
  void OnOK() override;
  void OnCancel() override;

 private:
  bool IsNewEntryPosition() const;
  bool IsListedScheme() const;
  std::vector<SchemeEntry> ListedSchemes() const;
  void ReadIndex();
  void StoreSchemes(const std::vector<SchemeEntry>& schemes);
  void FillList(bool withNewEntry);
  void LoadScheme(int position);
  void ShowNewEntry();
  void ClearPreview();
  void PaintSwatches();
  void FillSwatch(CDC& dc, int swatch) const;
  void OutlineSwatches(int framed);

  void OnSelectionChange();
  void OnSwatch(int swatch);
  void OnPreviewCheck();
  void OnEditButton();
  void OnDeleteButton();
  void UpdateScheme();
  void RegisterNewScheme();
};

}  // namespace topodlg
