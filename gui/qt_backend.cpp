#include "gui/qt_backend.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "gui/dialog_view.h"
#include "gui/file_filter.h"
#include "gui/qt_text.h"
#include "platform/common_dialogs.h"
#include "platform/path_map.h"

namespace topodlg::gui {
namespace {

// The message boxes of a library without an application name carry the
// library's name in their title.
const QString kMessageTitle = QStringLiteral("TopoDlg");

QMessageBox::Icon IconOf(unsigned type) {
  switch (type & 0xF0) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// Where the picker opens and the name it suggests: a library path names its
// folder; a bare name opens in the current folder.
void StartAt(QFileDialog& picker, const CString& initialName) {
  if (initialName.IsEmpty()) return;
  if (initialName.FindOneOf("\\/:") < 0) {
    picker.selectFile(ToQString(initialName));
    return;
  }
  QFileInfo host(QString::fromStdString(HostPath(initialName)));
  picker.setDirectory(host.absolutePath());
  picker.selectFile(host.fileName());
}

}  // namespace

QWidget* QtBackend::Owner() const {
  if (!m_open.empty()) return m_open.back();
  return QApplication::activeWindow();
}

void QtBackend::RunModalLoop(CDialog& dialog) {
  DialogView view(dialog, Owner());
  m_open.push_back(&view);
  view.RunUntilEnded(m_shown);
  m_open.pop_back();
}

void QtBackend::DialogDestroyed(CDialog& dialog) {
  for (DialogView* view : m_open) view->Forget(dialog);
}

int QtBackend::MessageBox(const CString& text, unsigned type) {
  const bool okCancel = (type & 0x0F) == MB_OKCANCEL;
  QMessageBox box(IconOf(type), kMessageTitle, ToQString(text),
                  okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, Owner());
  // Escape answers Cancel where there is one, else OK, as a message box does.
  box.setEscapeButton(okCancel ? QMessageBox::Cancel : QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  const bool ok = box.exec() == QMessageBox::Ok;
  return ok || !okCancel ? IDOK : IDCANCEL;
}

std::optional<CString> QtBackend::FileDialog(const FileDialogRequest& request) {
  QFileDialog picker(Owner());
  picker.setOption(QFileDialog::DontUseNativeDialog);
  picker.setOption(QFileDialog::HideNameFilterDetails);
  picker.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  picker.setFileMode(request.open && request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  picker.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  picker.setNameFilters(NameFilters(request.filter));
  QString extension = ToQString(request.defaultExtension);
  if (extension.startsWith(QLatin1Char('.'))) extension.remove(0, 1);
  picker.setDefaultSuffix(extension);
  StartAt(picker, request.initialName);
  if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty()) return std::nullopt;
  return LibraryPath(picker.selectedFiles().front().toStdString());
}

std::optional<COLORREF> QtBackend::ColorDialog(COLORREF initial) {
  QColorDialog picker(QColor(GetRValue(initial), GetGValue(initial), GetBValue(initial)), Owner());
  picker.setOption(QColorDialog::DontUseNativeDialog);
  if (picker.exec() != QDialog::Accepted) return std::nullopt;
  QColor chosen = picker.selectedColor();
  return RGB(chosen.red(), chosen.green(), chosen.blue());
}

void QtBackend::Beep() { QApplication::beep(); }

}  // namespace topodlg::gui
