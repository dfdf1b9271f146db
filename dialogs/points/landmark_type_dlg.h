// The names of the twelve landmark types (dialog 220), each beside its fixed
// colour. It has no entry function: the environment settings open it.
//
// Use:
//     CLandmarkTypeDlg dlg;
//     dlg.SetTypeNames(names);              // LandmarkTypeNames, in type order
//     if (dlg.DoModal() == IDOK) names = dlg.TypeNames();
//
// Cancel leaves the names as they were set. Names are taken as typed, without
// checks; the caller decides how they travel (they may hold any text but the
// separators of its own format).
#pragma once

#include "dialogs/points/landmark_types.h"
#include "platform/dialog.h"

namespace topodlg {

class CLandmarkTypeDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 220;
  explicit CLandmarkTypeDlg(CDialog* parent = nullptr);

  void SetTypeNames(const LandmarkTypeNames& names) { m_typeNames = names; }
  const LandmarkTypeNames& TypeNames() const { return m_typeNames; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  LandmarkTypeNames m_typeNames;
};

}  // namespace topodlg
