// Benchmark: the first paint of the environment settings (dialog 208 with its
// five tab pages) under the graphical backend, beside a bare Qt dialog made
// directly of the same widgets at the same places (a tab widget holding five
// pages). Each is shown 20 times off screen; the medians and their ratio are
// printed. Targets: under 100 ms, and at most 1.5 times the bare dialog.
//
//   QT_QPA_PLATFORM=offscreen build/bench_env_first_paint [EXAMPLES_DIR]
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "gui/application.h"
#include "gui/bench/paint_watch.h"
#include "gui/dialog_units.h"
#include "gui/dialog_view.h"
#include "gui/font_map.h"
#include "gui/qt_backend.h"
#include "gui/qt_text.h"
#include "gui/sample_calls.h"
#include "platform/dialog_template.h"
#include "tools/scripted/cli.h"

namespace {

using namespace topodlg;
using topodlg::gui::DialogView;

constexpr int kRounds = 20;
constexpr int kPages[] = {212, 209, 211, 210, 197};

using topodlg::gui::bench::FileCloser;
using topodlg::gui::bench::FirstPaint;

double Median(std::vector<double> list) {
  std::sort(list.begin(), list.end());
  double median = list[list.size() / 2];
  if (list.size() % 2 == 0) median = (list[list.size() / 2 - 1] + median) / 2;
  return median;
}

// The plain Qt widget of a template control, placed as the template says.
void AddBareControl(QWidget& parent, const ControlTemplate& c, const gui::DialogUnits& units) {
  const QString text = gui::ToQString(c.text);
  QWidget* w = nullptr;
  switch (c.kind) {
    case ControlKind::Static: w = new QLabel(text, &parent); break;
    case ControlKind::Edit: w = new QLineEdit(text, &parent); break;
    case ControlKind::Button: w = new QPushButton(text, &parent); break;
    case ControlKind::Check: w = new QCheckBox(text, &parent); break;
    case ControlKind::Radio: w = new QRadioButton(text, &parent); break;
    case ControlKind::Group: w = new QGroupBox(text, &parent); break;
    case ControlKind::Combo: {
      auto* combo = new QComboBox(&parent);
      combo->setEditable(true);
      w = combo;
      break;
    }
    case ControlKind::ScrollBar: w = new QScrollBar(Qt::Horizontal, &parent); break;
    default: return;
  }
  w->setGeometry(units.RectToPixels(c.x, c.y, c.cx, c.cy));
}

// The environment settings built by hand: the main template's controls and a
// tab widget with the five pages.
std::unique_ptr<QDialog> BareEnvDialog() {
  const DialogTemplate* main = FindDialogTemplate(208);
  auto dialog = std::make_unique<QDialog>();
  dialog->setFont(gui::DialogFont(main->fontFace, main->fontSize));
  const gui::DialogUnits units(dialog->font());
  dialog->resize(units.SizeToPixels(main->cx, main->cy));
  dialog->setWindowTitle(gui::ToQString(main->caption));
  for (const ControlTemplate& c : main->controls) {
    if (c.kind != ControlKind::Tab) {
      AddBareControl(*dialog, c, units);
      continue;
    }
    auto* tabs = new QTabWidget(dialog.get());
    tabs->setGeometry(units.RectToPixels(c.x, c.y, c.cx, c.cy));
    for (int id : kPages) {
      const DialogTemplate* page = FindDialogTemplate(id);
      auto* widget = new QWidget;
      for (const ControlTemplate& pc : page->controls) AddBareControl(*widget, pc, units);
      tabs->addTab(widget, QString::number(id));
    }
  }
  return dialog;
}

}  // namespace

int main(int argc, char** argv) {
  gui::EnsureApplication();
  std::filesystem::path examples = argc > 1 ? argv[1] : std::filesystem::path(TOPODLG_SOURCE_DIR) / "examples";
  QTemporaryDir data;
  std::error_code ignored;
  std::filesystem::copy(examples / "data", data.path().toStdString(), std::filesystem::copy_options::recursive, ignored);

  QElapsedTimer clock;
  std::vector<double> library, bare;
  Hooks().makeGraphicalBackend = [&]() -> std::unique_ptr<UiBackend> {
    auto backend = std::make_unique<gui::QtBackend>();
    backend->SetShownHook([&](DialogView& view) {
      FirstPaint watcher;
      view.installEventFilter(&watcher);
      while (!watcher.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      if (view.Dialog().TemplateId() == 208) library.push_back(clock.nsecsElapsed() / 1e6);
      view.removeEventFilter(&watcher);
      view.Dialog().EndDialog(IDCANCEL);
    });
    return backend;
  };

  const std::vector<gui::SampleCall> samples = gui::ReadSampleCalls(examples);
  const gui::SampleCall* sample = gui::SampleFor(samples, "OnDlgSystm");
  if (!sample) {
    std::fprintf(stderr, "no sample call of OnDlgSystm in %s\n", examples.c_str());
    return 1;
  }
  std::vector<std::string> words{"call"};
  words.insert(words.end(), sample->words.begin(), sample->words.end());
  words.insert(words.end(), {"--drive", "D=" + data.path().toStdString(), "--log", "/dev/null"});
  for (int round = 0; round < kRounds; ++round) {
    std::unique_ptr<std::FILE, FileCloser> out(std::tmpfile()), err(std::tmpfile());
    clock.start();
    RunTopodlg(words, out.get(), err.get());
  }

  for (int round = 0; round < kRounds; ++round) {
    clock.start();
    std::unique_ptr<QDialog> dialog = BareEnvDialog();
    FirstPaint watcher;
    dialog->installEventFilter(&watcher);
    dialog->show();
    while (!watcher.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    bare.push_back(clock.nsecsElapsed() / 1e6);
    dialog->removeEventFilter(&watcher);
  }

  if (library.empty()) {
    std::fprintf(stderr, "dialog 208 was never shown\n");
    return 1;
  }
  const double mine = Median(library), plain = Median(bare);
  std::printf("dialog 208 (five pages), first paint: %.1f ms median under the graphical backend, "
              "%.1f ms for a bare Qt dialog with the same widgets: %.2f times (targets < 100 ms, <= 1.5 times)\n",
              mine, plain, mine / plain);
  return 0;
}
