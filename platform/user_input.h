// What a user does to a dialog, as the dialog receives it: the focus moves to the
// control first (with its kill-focus and set-focus notifications), then the
// control changes and notifies as a real control does. The scripted user and the
// graphical backend both act through these, so a dialog cannot tell them apart.
#pragma once

#include "platform/cstring.h"

namespace topodlg {

class CDialog;
class CWnd;

namespace user {

// A button, check box or radio button: an auto check box toggles, an auto radio
// button checks itself and clears the rest of its group, then the click.
void Click(CDialog& owner, CWnd& control);
// Item `index` of a combo box or list box (-1 clears), notified also when it was
// already chosen; a double click (on a list box or the list of a simple combo
// box) adds the double-click notification.
void Select(CDialog& owner, CWnd& control, int index, bool doubleClick = false);
// Replaces the text of an edit or of a combo box's edit field.
void Type(CDialog& owner, CWnd& control, const CString& text);
void Focus(CDialog& owner, CWnd& control);
void SwitchTab(CDialog& owner, CWnd& control, int index);
// A scroll bar's scroll code (SB_LINELEFT ...) and thumb position.
void Scroll(CDialog& owner, CWnd& control, int code, int pos);
// Enter: the dialog's default command; a default button that cannot be pressed
// (hidden or disabled) does nothing.
void Enter(CDialog& dialog);
// Escape or the close box: the cancel command.
void Cancel(CDialog& dialog);

}  // namespace user
}  // namespace topodlg
