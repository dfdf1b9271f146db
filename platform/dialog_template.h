// Dialog templates: the parsed form of a resource-script dialog ("140 DIALOGEX")
// and of its combo-box initialisation items ("140 DLGINIT"). A template is data;
// nothing here knows any particular dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cstring.h"

namespace topodlg {

// Window and control style bits, with the values the resource scripts use.
namespace style {
constexpr uint32_t kGroup = 0x00020000;     // WS_GROUP
constexpr uint32_t kTabStop = 0x00010000;   // WS_TABSTOP
constexpr uint32_t kDisabled = 0x08000000;  // WS_DISABLED
constexpr uint32_t kVisible = 0x10000000;   // WS_VISIBLE
constexpr uint32_t kBorder = 0x00800000;    // WS_BORDER
constexpr uint32_t kVScroll = 0x00200000;   // WS_VSCROLL
constexpr uint32_t kHScroll = 0x00100000;   // WS_HSCROLL
// Buttons (low 4 bits are the button type).
constexpr uint32_t kButtonTypeMask = 0x0F;
constexpr uint32_t kPushButton = 0x00;
constexpr uint32_t kDefPushButton = 0x01;
constexpr uint32_t kCheckBox = 0x02;
constexpr uint32_t kAutoCheckBox = 0x03;
constexpr uint32_t kRadioButton = 0x04;
constexpr uint32_t k3State = 0x05;
constexpr uint32_t kAuto3State = 0x06;
constexpr uint32_t kGroupBox = 0x07;
constexpr uint32_t kAutoRadioButton = 0x09;
constexpr uint32_t kOwnerDraw = 0x0B;
constexpr uint32_t kPushLike = 0x1000;  // BS_PUSHLIKE
// Edits.
constexpr uint32_t kEditMultiline = 0x0004;  // ES_MULTILINE
constexpr uint32_t kEditPassword = 0x0020;   // ES_PASSWORD
constexpr uint32_t kEditReadOnly = 0x0800;   // ES_READONLY
constexpr uint32_t kEditNumber = 0x2000;     // ES_NUMBER
// Combo boxes (low 2 bits are the kind).
constexpr uint32_t kComboTypeMask = 0x03;
constexpr uint32_t kComboSimple = 0x01;
constexpr uint32_t kComboDropDown = 0x02;
constexpr uint32_t kComboDropDownList = 0x03;
constexpr uint32_t kComboSort = 0x0100;  // CBS_SORT
// List boxes.
constexpr uint32_t kListNotify = 0x0001;  // LBS_NOTIFY
constexpr uint32_t kListSort = 0x0002;    // LBS_SORT
constexpr uint32_t kListMultiple = 0x0008;  // LBS_MULTIPLESEL
constexpr uint32_t kListExtended = 0x0800;  // LBS_EXTENDEDSEL
// Statics (low 5 bits are the kind).
constexpr uint32_t kStaticTypeMask = 0x1F;
constexpr uint32_t kStaticLeft = 0x00;
constexpr uint32_t kStaticCenter = 0x01;
constexpr uint32_t kStaticRight = 0x02;
constexpr uint32_t kStaticOwnerDraw = 0x0D;
constexpr uint32_t kStaticSunken = 0x1000;  // SS_SUNKEN
// Scroll bars.
constexpr uint32_t kScrollVert = 0x0001;  // SBS_VERT
}  // namespace style

enum class ControlKind { Static, Edit, Button, Check, Radio, Group, Combo, List, Tab, ScrollBar };

struct ControlTemplate {
  int id = -1;
  ControlKind kind = ControlKind::Static;
  CString text;
  uint32_t style = 0;  // full style, WS_VISIBLE included unless NOT WS_VISIBLE
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units

  bool Has(uint32_t bit) const { return (style & bit) == bit; }
  uint32_t ButtonType() const { return style & style::kButtonTypeMask; }
};

struct DialogTemplate {
  int resourceId = 0;
  CString caption;
  uint32_t style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  int fontSize = 9;
  CString fontFace;
  std::vector<ControlTemplate> controls;  // in template (tab) order
  // Combo-box and list-box initialisation items: (control id, item) in order.
  std::vector<std::pair<int, CString>> initItems;
  // The control names the script defines ("#define IDC_UPPER 1276"), in order.
  std::vector<std::pair<std::string, int>> names;

  const ControlTemplate* Find(int id) const;
  // The control that Enter activates: a DEFPUSHBUTTON, else IDOK.
  int DefaultCommand() const;
};

// Parses one resource script (UTF-8 text). Returns nothing and fills `error`
// with "line N: reason" when the script is malformed. Before its DIALOGEX
// statement a script may name control identifiers ("#define IDC_UPPER 1276");
// controls and initial items then use the names. A name used but not defined,
// a name defined twice and two names for one number are errors.
std::optional<DialogTemplate> ParseDialogTemplate(std::string_view script, CString* error = nullptr);

// The library's own template for a resource number (built in at compile time);
// nullptr when the library has none.
const DialogTemplate* FindDialogTemplate(int resourceId);
// Every resource number the library has a template for, ascending.
std::vector<int> DialogTemplateIds();

}  // namespace topodlg
