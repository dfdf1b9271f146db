// topodlg-host's window: the graphical stand-in for the host application. It
// lists every entry function; choosing one shows its arguments as labelled
// fields prefilled from the sample calls; "開く" calls it with a person at the
// screen, and the result string is shown whole and split into its fields, and
// kept in a history.
#pragma once

#include <QMainWindow>
#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <vector>

#include "gui/sample_calls.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace topodlg {
struct EntryInfo;
}

namespace topodlg::gui {

// The fields of a result string: its text cut at every "|" and blank. A
// separator that ends the string opens no further field.
QStringList ResultFields(const QString& result);

class HostWindow : public QMainWindow {
 public:
  explicit HostWindow(const std::filesystem::path& examples);

  // Chooses an entry function by name (false when there is none).
  bool ChooseEntry(const QString& name);
  // The field of argument `index` of the chosen entry function.
  QLineEdit* ArgumentField(int index) const;
  // Calls the chosen entry function with the fields as they are.
  void OpenDialog();
  QString LastResult() const;
  int HistorySize() const;

 private:
  QWidget* MakeCallPanel();
  void ShowEntry(const EntryInfo& entry);
  void ShowResult(const QString& result, const QString& log, bool failed);
  void Restore(int historyRow);

  struct Call {
    std::string entry;
    std::vector<std::string> arguments;
    QString result;
    QString log;
  };

  std::vector<SampleCall> m_samples;
  QTemporaryDir m_data;
  const EntryInfo* m_entry = nullptr;
  std::vector<QLineEdit*> m_fields;
  std::vector<Call> m_history;

  QListWidget* m_entries = nullptr;
  QLabel* m_heading = nullptr;
  QLineEdit* m_drive = nullptr;
  QWidget* m_form = nullptr;
  QFormLayout* m_formLayout = nullptr;
  QPushButton* m_open = nullptr;
  QLineEdit* m_result = nullptr;
  QTableWidget* m_resultFields = nullptr;
  QListWidget* m_historyList = nullptr;
  QPlainTextEdit* m_log = nullptr;
};

}  // namespace topodlg::gui
