#include "gui/host/host_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdio>
#include <memory>

#include "frame/entry_table.h"
#include "tools/scripted/cli.h"

namespace topodlg::gui {
namespace {

const char* KindName(char kind) {
  switch (kind) {
    case 'i': return "int";
    case 'r': return "real";
    case 's': return "str";
    default: return "device context";
  }
}

// The sample call's arguments when they fit the entry function, else zeros and
// empty texts.
std::vector<std::string> StartingArguments(const EntryInfo& entry, const std::vector<SampleCall>& samples) {
  std::vector<std::string> values;
  for (const char* kind = entry.args; *kind; ++kind) {
    if (*kind == 'i') values.push_back("0");
    if (*kind == 'r') values.push_back("0.0");
    if (*kind == 's') values.push_back("");
  }
  if (const SampleCall* sample = SampleFor(samples, entry.name)) {
    if (sample->words.size() == values.size() + 1) values.assign(sample->words.begin() + 1, sample->words.end());
  }
  return values;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TempFile = std::unique_ptr<std::FILE, FileCloser>;

QString ReadAll(std::FILE* file) {
  std::rewind(file);
  std::string text;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  return QString::fromStdString(text);
}

}  // namespace

QStringList ResultFields(const QString& result) {
  QStringList fields;
  QString field;
  for (QChar c : result) {
    if (c == u'|' || c == u' ') {
      fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  if (!field.isEmpty()) fields.push_back(field);
  return fields;
}

HostWindow::HostWindow(const std::filesystem::path& examples) : m_samples(ReadSampleCalls(examples)) {
  setWindowTitle(QStringLiteral("TopoDlg host"));
  // The dialogs change the data files they are given: they get a copy of the samples.
  std::error_code failed;
  std::filesystem::copy(examples / "data", m_data.path().toStdString(), std::filesystem::copy_options::recursive,
                        failed);

  m_entries = new QListWidget;
  for (const EntryInfo& entry : EntryFunctions()) {
    auto* item = new QListWidgetItem(entry.invoke ? QString::fromUtf8(entry.name)
                                                  : QString::fromUtf8(entry.name) + QStringLiteral("  (not built yet)"),
                                     m_entries);
    if (!entry.invoke) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
  }
  connect(m_entries, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) ShowEntry(EntryFunctions()[static_cast<size_t>(row)]);
  });

  auto* split = new QSplitter;
  split->addWidget(m_entries);
  split->addWidget(MakeCallPanel());
  split->setStretchFactor(1, 1);
  setCentralWidget(split);
  resize(1000, 720);
  m_entries->setCurrentRow(0);
}

QWidget* HostWindow::MakeCallPanel() {
  auto* panel = new QWidget;
  auto* column = new QVBoxLayout(panel);
  m_heading = new QLabel;
  QFont bold = m_heading->font();
  bold.setBold(true);
  m_heading->setFont(bold);
  column->addWidget(m_heading);

  auto* driveRow = new QHBoxLayout;
  driveRow->addWidget(new QLabel(QStringLiteral("D: =")));
  m_drive = new QLineEdit(m_data.path());
  m_drive->setToolTip(QStringLiteral("The folder drive D: stands for (a copy of examples/data)"));
  driveRow->addWidget(m_drive);
  column->addLayout(driveRow);

  auto* scroll = new QScrollArea;
  scroll->setWidgetResizable(true);
  m_form = new QWidget;
  m_formLayout = new QFormLayout(m_form);
  scroll->setWidget(m_form);
  column->addWidget(scroll, 3);

  m_open = new QPushButton(QStringLiteral("開く (open the dialog)"));
  connect(m_open, &QPushButton::clicked, this, &HostWindow::OpenDialog);
  column->addWidget(m_open);

  column->addWidget(new QLabel(QStringLiteral("Result")));
  m_result = new QLineEdit;
  m_result->setReadOnly(true);
  column->addWidget(m_result);
  m_resultFields = new QTableWidget(0, 1);
  m_resultFields->setHorizontalHeaderLabels({QStringLiteral("field")});
  m_resultFields->horizontalHeader()->setStretchLastSection(true);
  m_resultFields->setEditTriggers(QAbstractItemView::NoEditTriggers);
  column->addWidget(m_resultFields, 2);

  column->addWidget(new QLabel(QStringLiteral("History")));
  m_historyList = new QListWidget;
  connect(m_historyList, &QListWidget::currentRowChanged, this, &HostWindow::Restore);
  column->addWidget(m_historyList, 1);

  column->addWidget(new QLabel(QStringLiteral("Event log")));
  m_log = new QPlainTextEdit;
  m_log->setReadOnly(true);
  m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
  column->addWidget(m_log, 1);
  return panel;
}

void HostWindow::ShowEntry(const EntryInfo& entry) {
  m_entry = &entry;
  m_heading->setText(QString::fromUtf8(entry.name) + (entry.invoke ? QString() : QStringLiteral("  (not built yet)")));
  while (m_formLayout->rowCount() > 0) m_formLayout->removeRow(0);
  m_fields.clear();
  std::vector<std::string> values = StartingArguments(entry, m_samples);
  size_t value = 0;
  for (size_t i = 0; entry.args[i]; ++i) {
    const EntryArgInfo& info = entry.argInfo[i];
    QString name = QString::fromUtf8(*info.description ? info.description : info.name);
    QString label = QStringLiteral("%1. %2%3").arg(i + 1).arg(name.isEmpty() ? QString() : name + QStringLiteral(" · ")).arg(QString::fromUtf8(KindName(entry.args[i])));
    if (entry.args[i] == 'd') {
      m_formLayout->addRow(label, new QLabel(QStringLiteral("recorded by the host; the drawing goes to the event log")));
      continue;
    }
    auto* field = new QLineEdit(QString::fromStdString(values[value++]));
    m_formLayout->addRow(label, field);
    m_fields.push_back(field);
  }
  m_open->setEnabled(entry.invoke != nullptr);
}

QLineEdit* HostWindow::ArgumentField(int index) const {
  return index >= 0 && static_cast<size_t>(index) < m_fields.size() ? m_fields[static_cast<size_t>(index)] : nullptr;
}

bool HostWindow::ChooseEntry(const QString& name) {
  const auto& entries = EntryFunctions();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (name == QString::fromUtf8(entries[i].name)) {
      m_entries->setCurrentRow(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

void HostWindow::OpenDialog() {
  if (!m_entry || !m_entry->invoke) return;
  Call call;
  call.entry = m_entry->name;
  for (QLineEdit* field : m_fields) call.arguments.push_back(field->text().toStdString());

  // The call goes through topodlg itself, so arguments are read exactly as there.
  std::vector<std::string> words{"call", call.entry};
  words.insert(words.end(), call.arguments.begin(), call.arguments.end());
  words.insert(words.end(), {"--drive", "D=" + m_drive->text().toStdString()});
  TempFile out(std::tmpfile()), err(std::tmpfile());
  if (!out || !err) return statusBar()->showMessage(QStringLiteral("No temporary file for the call"));
  m_open->setEnabled(false);
  int exit = RunTopodlg(words, out.get(), err.get());
  m_open->setEnabled(true);

  call.result = ReadAll(out.get());
  if (call.result.endsWith(u'\n')) call.result.chop(1);
  call.log = ReadAll(err.get());
  if (exit != 0) {
    statusBar()->showMessage(call.log.trimmed());
    ShowResult(QString(), call.log, true);
    return;
  }
  statusBar()->showMessage(QStringLiteral("%1 returned").arg(QString::fromStdString(call.entry)));
  ShowResult(call.result, call.log, false);
  QString line = QString::fromStdString(call.entry);
  for (const std::string& argument : call.arguments) line += u' ' + QString::fromStdString(argument);
  m_history.push_back(std::move(call));
  QSignalBlocker quiet(m_historyList);
  m_historyList->addItem(line + QStringLiteral("  →  \"") + m_history.back().result + u'"');
  m_historyList->setCurrentRow(m_historyList->count() - 1);
}

void HostWindow::ShowResult(const QString& result, const QString& log, bool failed) {
  m_result->setText(result);
  m_result->setStyleSheet(failed ? QStringLiteral("color: darkred") : QString());
  QStringList fields = ResultFields(result);
  m_resultFields->setRowCount(static_cast<int>(fields.size()));
  for (qsizetype i = 0; i < fields.size(); ++i) {
    m_resultFields->setItem(static_cast<int>(i), 0, new QTableWidgetItem(fields[i]));
  }
  m_log->setPlainText(log);
}

void HostWindow::Restore(int historyRow) {
  if (historyRow < 0 || static_cast<size_t>(historyRow) >= m_history.size()) return;
  const Call& call = m_history[static_cast<size_t>(historyRow)];
  ChooseEntry(QString::fromStdString(call.entry));
  for (size_t i = 0; i < call.arguments.size() && i < m_fields.size(); ++i) {
    m_fields[i]->setText(QString::fromStdString(call.arguments[i]));
  }
  ShowResult(call.result, call.log, false);
}

QString HostWindow::LastResult() const { return m_result->text(); }
int HostWindow::HistorySize() const { return static_cast<int>(m_history.size()); }

}  // namespace topodlg::gui
