// Bindings for the three idioms of the setting dialogs, declared once per member
// in the dialog's constructor:
//   - a spin pair: two buttons ("△"/"▽", "→"/"←") that step a member within
//     bounds and refill the controls;
//   - a radio group: each radio button sets the member to its own value;
//   - a toggle: a check box that switches the member between two values.
// A binding shows its member when the dialog initialises (CDialog::OnInitDialog,
// after the data exchange) and changes the member when the user clicks. Other
// handlers of the same button run after the binding's, in the order they were
// registered, so a dialog adds what else a click does with OnClicked.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "platform/cstring.h"

namespace topodlg {

class CDialog;

class ControlBinding {
 public:
  virtual ~ControlBinding() = default;
  // Shows the member in the controls: the state the dialog opens with.
  virtual void Show() = 0;
};

// T: int (steps saturate at the ends of the int range) or float.
template <typename T>
class SpinBinding : public ControlBinding {
 public:
  // The size of one step from `value` (positive).
  using Rule = std::function<T(T value)>;

  SpinBinding(CDialog& dialog, T& member, int up, int down);

  // The step of both buttons: fixed (1 unless given), or a rule of the value
  // (or of the dialog's state), or one rule for each button.
  SpinBinding& Step(T step);
  SpinBinding& Step(Rule rule);
  SpinBinding& Step(Rule up, Rule down);
  // A step down gives at least `lowest`; a step up at most `highest`. A value
  // beyond the other end (as the host may pass it) still moves by the step.
  SpinBinding& Min(T lowest);
  SpinBinding& Max(T highest);
  // Every step lands within lowest..highest, whichever way it goes.
  SpinBinding& Clamp(T lowest, T highest);
  // A step up past `highest` starts again at `lowest`, a step down past
  // `lowest` at `highest`.
  SpinBinding& Wrap(T lowest, T highest);
  // The buttons step only while `enabled` says so.
  SpinBinding& When(std::function<bool()> enabled);
  // The member is shown in `edit` alone (at initialisation and after each
  // step) instead of through the data exchange.
  SpinBinding& Shows(int edit);
  // Runs after each step instead of the refill (UpdateData(false) or `edit`).
  SpinBinding& Then(std::function<void()> after);

  void Show() override;

 private:
  enum class Bounds { Directional, Clamp, Wrap };
  void Click(int direction);

  CDialog& m_dialog;
  T& m_member;
  Rule m_up, m_down;
  Bounds m_bounds = Bounds::Directional;
  bool m_hasMin = false, m_hasMax = false;
  T m_min{}, m_max{};
  std::function<bool()> m_enabled;
  int m_edit = 0;
  std::function<void()> m_after;
};

// T: int or CString.
template <typename T>
class RadioBinding : public ControlBinding {
 public:
  RadioBinding(CDialog& dialog, T& member, std::vector<std::pair<int, T>> buttons);
  // The button shown checked when the member holds none of the values
  // (without it, no button is).
  RadioBinding& Otherwise(int id);

  void Show() override;

 private:
  CDialog& m_dialog;
  T& m_member;
  std::vector<std::pair<int, T>> m_buttons;
  int m_otherwise = 0;
};

// T: int or CString.
template <typename T>
class ToggleBinding : public ControlBinding {
 public:
  ToggleBinding(CDialog& dialog, T& member, int id, T on, T off);
  // The box shows checked only when the member is `on`. A click turns any
  // other value on; after this, it turns a value that is neither on nor off
  // off (the box looks unchecked, the click checks it, the member is off).
  ToggleBinding& OthersTurnOff();

  void Show() override;

 private:
  CDialog& m_dialog;
  T& m_member;
  int m_id;
  T m_on, m_off;
  bool m_othersTurnOff = false;
};

}  // namespace topodlg
