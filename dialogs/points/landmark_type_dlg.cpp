#include "dialogs/points/landmark_type_dlg.h"

#include "resources/220.h"

namespace topodlg {
using namespace res220;
namespace {

// The name edit of each type, in type order.
constexpr std::array<int, kLandmarkTypeCount> kNameEdits = {
    IDC_TYPE_1_NAME, IDC_TYPE_2_NAME, IDC_TYPE_3_NAME, IDC_TYPE_4_NAME,  IDC_TYPE_5_NAME,  IDC_TYPE_6_NAME,
    IDC_TYPE_7_NAME, IDC_TYPE_8_NAME, IDC_TYPE_9_NAME, IDC_TYPE_10_NAME, IDC_TYPE_11_NAME, IDC_TYPE_12_NAME};

}  // namespace

CLandmarkTypeDlg::CLandmarkTypeDlg(CDialog* parent) : CDialog(kTemplateId, parent) {}

// The framework fills the edits when the dialog opens and reads them back on OK.
void CLandmarkTypeDlg::DoDataExchange(CDataExchange* pDX) {
  for (size_t type = 0; type < kNameEdits.size(); ++type) DDX_Text(pDX, kNameEdits[type], m_typeNames[type]);
}

}  // namespace topodlg
