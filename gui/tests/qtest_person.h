// A person at the screen, played with QTest: follows the scripted user's actions
// by clicking, typing and pressing keys on the real widgets of each dialog as it
// opens, so a dialog can be worked both ways with the same actions.
#pragma once

#include <string>
#include <vector>

#include "tools/scripted/script.h"

namespace topodlg::gui {

class DialogView;

class QTestPerson {
 public:
  explicit QTestPerson(std::vector<ScriptAction> actions) : m_actions(std::move(actions)) {}

  // Works the dialog that just opened until it ends or the actions run out.
  void Work(DialogView& view);
  bool Finished() const { return m_next == m_actions.size(); }
  // What went wrong, if anything ("" when every action could be done).
  const std::string& Error() const { return m_error; }

 private:
  void Perform(DialogView& view, const ScriptAction& action);
  // An answer to a box or picker that the next action opens: it is given from
  // inside that box's own event loop.
  void AnswerWhenOpen(const ScriptAction& answer);
  void Fail(const ScriptAction& action, const std::string& reason);

  std::vector<ScriptAction> m_actions;
  size_t m_next = 0;
  int m_pendingAnswers = 0;
  std::string m_error;
};

}  // namespace topodlg::gui
