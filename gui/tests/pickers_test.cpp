// Message boxes and pickers as the library asks for them: icon and buttons, the
// filter, default extension, initial name, "must exist" and the overwrite
// prompt, the initial colour; paths come back in library form.
#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "gui/file_filter.h"
#include "gui/qt_backend.h"
#include "gui/tests/sjis.h"
#include "platform/common_dialogs.h"
#include "platform/module_state.h"

namespace topodlg::gui {
namespace {

// Runs `look` on the box or picker that opens next, from inside its own loop.
void WhenOpen(std::function<void(QWidget&)> look) {
  QTimer::singleShot(0, [look] {
    if (QWidget* box = QApplication::activeModalWidget()) look(*box);
  });
}

TEST(FileFilterTest, DescriptionsKeepTheirTextAndPatternsMatchAnyCase) {
  EXPECT_EQ(NameFilters(test::Sjis("GPSファイル(*.trk)|*.trk;*.Gdb|All files (*.*)|*.*||")),
            (QStringList{QString::fromUtf16(u"GPSファイル(*.trk) (*.[tT][rR][kK] *.[gG][dD][bB])"),
                         QStringLiteral("All files (*.*) (*)")}));
  EXPECT_EQ(NameFilters(""), QStringList{QStringLiteral("* (*)")});
  EXPECT_EQ(NameFilters("Text|"), QStringList{QStringLiteral("Text (*)")});
}

TEST(PickersTest, MessageBoxesCarryTheIconAndButtonsAsked) {
  QtBackend backend;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  WhenOpen([&](QWidget& box) {
    auto& message = static_cast<QMessageBox&>(box);
    icon = message.icon();
    buttons = static_cast<int>(message.buttons().size());
    message.button(QMessageBox::Cancel)->click();
  });
  EXPECT_EQ(backend.MessageBox(test::Sjis("削除しますか？"), MB_OKCANCEL | MB_ICONEXCLAMATION), IDCANCEL);
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(buttons, 2);

  WhenOpen([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); });
  // Escape on an OK-only box is still OK.
  EXPECT_EQ(backend.MessageBox("done", MB_OK | MB_ICONINFORMATION), IDOK);
}

TEST(PickersTest, FilePickerFollowsTheRequestAndAnswersInLibraryForm) {
  QTemporaryDir folder;
  std::ofstream(folder.filePath(QStringLiteral("route.trk")).toStdString()) << "x";
  ModuleState& state = AfxGetModuleState();
  DriveMap saved = state.drives;
  state.drives.Map('D', folder.path().toStdString());

  QtBackend backend;
  FileDialogRequest request;
  request.open = false;
  request.filter = "Track|*.trk||";
  request.defaultExtension = "trk";
  request.initialName = "D:\\route.trk";
  request.overwritePrompt = true;
  QFileDialog::Options options;
  QString suffix, directory;
  QFileDialog::FileMode mode = QFileDialog::Directory;
  bool asked = false;
  WhenOpen([&](QWidget& box) {
    auto& picker = static_cast<QFileDialog&>(box);
    options = picker.options();
    suffix = picker.defaultSuffix();
    directory = picker.directory().absolutePath();
    mode = picker.fileMode();
    // The file is there: the picker asks before it is overwritten.
    WhenOpen([&](QWidget& prompt) {
      asked = true;
      static_cast<QMessageBox&>(prompt).button(QMessageBox::Yes)->click();
    });
    QMetaObject::invokeMethod(&picker, "accept");
  });
  std::optional<CString> answer = backend.FileDialog(request);
  ASSERT_TRUE(answer);
  EXPECT_EQ(*answer, "D:\\route.trk");
  EXPECT_EQ(suffix, "trk");
  EXPECT_EQ(directory, QDir(folder.path()).absolutePath());
  EXPECT_FALSE(options.testFlag(QFileDialog::DontConfirmOverwrite));
  EXPECT_TRUE(asked);
  EXPECT_EQ(mode, QFileDialog::AnyFile);

  request = FileDialogRequest();
  request.mustExist = true;
  WhenOpen([&](QWidget& box) {
    mode = static_cast<QFileDialog&>(box).fileMode();
    static_cast<QFileDialog&>(box).reject();
  });
  EXPECT_FALSE(backend.FileDialog(request));
  EXPECT_EQ(mode, QFileDialog::ExistingFile);
  state.drives = saved;
}

TEST(PickersTest, ColourPickerOpensOnTheInitialColour) {
  QtBackend backend;
  QColor shown;
  WhenOpen([&](QWidget& box) {
    auto& picker = static_cast<QColorDialog&>(box);
    shown = picker.currentColor();
    picker.setCurrentColor(QColor(10, 20, 30));
    picker.accept();
  });
  EXPECT_EQ(backend.ColorDialog(RGB(0, 128, 255)), RGB(10, 20, 30));
  EXPECT_EQ(shown, QColor(0, 128, 255));
}

}  // namespace
}  // namespace topodlg::gui
