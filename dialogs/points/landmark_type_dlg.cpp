#include "dialogs/points/landmark_type_dlg.h"

namespace topodlg {
namespace {

// The name edit of each type, in type order.
constexpr std::array<int, kLandmarkTypeCount> kNameEdits = {1388, 1389, 1391, 1392, 1393, 1396,
                                                            1397, 1398, 1394, 1395, 1399, 1400};

}  // namespace

CLandmarkTypeDlg::CLandmarkTypeDlg(CDialog* parent) : CDialog(kTemplateId, parent) {}

// The framework fills the edits when the dialog opens and reads them back on OK.
void CLandmarkTypeDlg::DoDataExchange(CDataExchange* pDX) {
  for (size_t type = 0; type < kNameEdits.size(); ++type) DDX_Text(pDX, kNameEdits[type], m_typeNames[type]);
}

}  // namespace topodlg
