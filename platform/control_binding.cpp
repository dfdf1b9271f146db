#include "platform/control_binding.h"

#include <algorithm>
#include <cfloat>
#include <type_traits>

#include "platform/dialog.h"
#include "platform/spin_step.h"

namespace topodlg {
namespace {

int Stepped(int value, int direction, int step) { return StepBy(value, static_cast<long long>(direction) * step); }
float Stepped(float value, int direction, float step) { return direction > 0 ? value + step : value - step; }

// As the data exchange writes the member.
CString Shown(int value) { return CString::Formatted("%d", value); }
CString Shown(float value) { return CString::Formatted("%.*g", FLT_DIG, static_cast<double>(value)); }

}  // namespace

// --- Spin pairs ----------------------------------------------------------------

template <typename T>
SpinBinding<T>::SpinBinding(CDialog& dialog, T& member, int up, int down) : m_dialog(dialog), m_member(member) {
  Step(T(1));
  dialog.OnClicked(up, [this] { Click(1); });
  dialog.OnClicked(down, [this] { Click(-1); });
}

template <typename T>
SpinBinding<T>& SpinBinding<T>::Step(T step) {
  return Step([step](T) { return step; });
}

template <typename T>
SpinBinding<T>& SpinBinding<T>::Step(Rule rule) {
  return Step(rule, rule);
}

template <typename T>
SpinBinding<T>& SpinBinding<T>::Step(Rule up, Rule down) {
  m_up = std::move(up);
  m_down = std::move(down);
  return *this;
}

template <typename T>
SpinBinding<T>& SpinBinding<T>::Min(T lowest) {
  m_hasMin = true;
  m_min = lowest;
  return *this;
}

template <typename T>
SpinBinding<T>& SpinBinding<T>::Max(T highest) {
  m_hasMax = true;
  m_max = highest;
  return *this;
}

template <typename T>
SpinBinding<T>& SpinBinding<T>::Clamp(T lowest, T highest) {
  m_bounds = Bounds::Clamp;
  return Min(lowest).Max(highest);
}

template <typename T>
SpinBinding<T>& SpinBinding<T>::Wrap(T lowest, T highest) {
  m_bounds = Bounds::Wrap;
  return Min(lowest).Max(highest);
}

template <typename T>
SpinBinding<T>& SpinBinding<T>::When(std::function<bool()> enabled) {
  m_enabled = std::move(enabled);
  return *this;
}

template <typename T>
SpinBinding<T>& SpinBinding<T>::Shows(int edit) {
  m_edit = edit;
  return *this;
}

template <typename T>
SpinBinding<T>& SpinBinding<T>::Then(std::function<void()> after) {
  m_after = std::move(after);
  return *this;
}

template <typename T>
void SpinBinding<T>::Show() {
  if (m_edit != 0) m_dialog.SetDlgItemText(m_edit, Shown(m_member));
}

template <typename T>
void SpinBinding<T>::Click(int direction) {
  if (m_enabled && !m_enabled()) return;
  const bool up = direction > 0;
  T value = Stepped(m_member, direction, up ? m_up(m_member) : m_down(m_member));
  switch (m_bounds) {
    case Bounds::Directional:
      if (up && m_hasMax) value = std::min(value, m_max);
      if (!up && m_hasMin) value = std::max(value, m_min);
      break;
    case Bounds::Clamp: value = std::clamp(value, m_min, m_max); break;
    case Bounds::Wrap:
      if (up && value > m_max) value = m_min;
      if (!up && value < m_min) value = m_max;
      break;
  }
  m_member = value;
  if (m_after) {
    m_after();
  } else if (m_edit != 0) {
    Show();
  } else {
    m_dialog.UpdateData(false);
  }
}

// --- Radio groups -----------------------------------------------------------------

template <typename T>
RadioBinding<T>::RadioBinding(CDialog& dialog, T& member, std::vector<std::pair<int, T>> buttons)
    : m_dialog(dialog), m_member(member), m_buttons(std::move(buttons)) {
  // Each button's value is copied into its handler (not captured as a
  // structured binding, which older compilers refuse).
  for (const auto& button : m_buttons) {
    dialog.OnClicked(button.first, [this, value = button.second] { m_member = value; });
  }
}

template <typename T>
RadioBinding<T>& RadioBinding<T>::Otherwise(int id) {
  m_otherwise = id;
  return *this;
}

template <typename T>
void RadioBinding<T>::Show() {
  int checked = m_otherwise;
  for (const auto& [id, value] : m_buttons) {
    if (m_member == value) {
      checked = id;
      break;
    }
  }
  for (const auto& [id, value] : m_buttons) m_dialog.CheckDlgButton(id, id == checked ? 1 : 0);
}

// --- Toggles -------------------------------------------------------------------------

template <typename T>
ToggleBinding<T>::ToggleBinding(CDialog& dialog, T& member, int id, T on, T off)
    : m_dialog(dialog), m_member(member), m_id(id), m_on(std::move(on)), m_off(std::move(off)) {
  dialog.OnClicked(id, [this] {
    if (m_othersTurnOff) {
      m_member = m_member == m_off ? m_on : m_off;
    } else {
      m_member = m_member == m_on ? m_off : m_on;
    }
  });
}

template <typename T>
ToggleBinding<T>& ToggleBinding<T>::OthersTurnOff() {
  m_othersTurnOff = true;
  return *this;
}

template <typename T>
void ToggleBinding<T>::Show() {
  m_dialog.CheckDlgButton(m_id, m_member == m_on ? 1 : 0);
}

// --- Declared by CDialog -----------------------------------------------------------

template <typename T>
SpinBinding<T>& CDialog::BindSpin(T& member, int up, int down) {
  return Keep(std::make_unique<SpinBinding<T>>(*this, member, up, down));
}

template <typename T>
RadioBinding<T>& CDialog::BindRadio(T& member, std::vector<std::pair<int, std::type_identity_t<T>>> buttons) {
  return Keep(std::make_unique<RadioBinding<T>>(*this, member, std::move(buttons)));
}

template <typename T>
ToggleBinding<T>& CDialog::BindToggle(T& member, int id, std::type_identity_t<T> on, std::type_identity_t<T> off) {
  return Keep(std::make_unique<ToggleBinding<T>>(*this, member, id, std::move(on), std::move(off)));
}

template class SpinBinding<int>;
template class SpinBinding<float>;
template class RadioBinding<int>;
template class RadioBinding<CString>;
template class ToggleBinding<int>;
template class ToggleBinding<CString>;
template SpinBinding<int>& CDialog::BindSpin(int&, int, int);
template SpinBinding<float>& CDialog::BindSpin(float&, int, int);
template RadioBinding<int>& CDialog::BindRadio(int&, std::vector<std::pair<int, int>>);
template RadioBinding<CString>& CDialog::BindRadio(CString&, std::vector<std::pair<int, CString>>);
template ToggleBinding<int>& CDialog::BindToggle(int&, int, int, int);
template ToggleBinding<CString>& CDialog::BindToggle(CString&, int, CString, CString);

}  // namespace topodlg
