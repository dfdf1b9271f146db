// Benchmark: how long each dialog takes from the entry function's call until its
// window is first painted, off screen. Every built entry function with a sample
// call is opened 20 times; the median per dialog is printed. Target: under 100 ms.
//
//   QT_QPA_PLATFORM=offscreen build/bench_first_paint [EXAMPLES_DIR]
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>

#include "frame/entry_table.h"
#include "gui/application.h"
#include "gui/bench/paint_watch.h"
#include "gui/dialog_view.h"
#include "gui/qt_backend.h"
#include "gui/sample_calls.h"
#include "tools/scripted/cli.h"

namespace {

using topodlg::gui::DialogView;

constexpr int kRounds = 20;

using topodlg::gui::bench::FileCloser;
using topodlg::gui::bench::FirstPaint;

}  // namespace

int main(int argc, char** argv) {
  topodlg::gui::EnsureApplication();
  std::filesystem::path examples = argc > 1 ? argv[1] : std::filesystem::path(TOPODLG_SOURCE_DIR) / "examples";
  QTemporaryDir data;
  std::error_code ignored;
  std::filesystem::copy(examples / "data", data.path().toStdString(), std::filesystem::copy_options::recursive, ignored);

  QElapsedTimer clock;
  std::map<int, std::vector<double>> times;  // dialog -> milliseconds
  std::map<int, std::string> openedBy;
  topodlg::Hooks().makeGraphicalBackend = [&]() -> std::unique_ptr<topodlg::UiBackend> {
    auto backend = std::make_unique<topodlg::gui::QtBackend>();
    backend->SetShownHook([&](DialogView& view) {
      FirstPaint watcher;
      view.installEventFilter(&watcher);
      while (!watcher.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      times[view.Dialog().TemplateId()].push_back(clock.nsecsElapsed() / 1e6);
      view.removeEventFilter(&watcher);
      view.Dialog().EndDialog(topodlg::IDCANCEL);
    });
    return backend;
  };

  std::vector<topodlg::gui::SampleCall> samples = topodlg::gui::ReadSampleCalls(examples);
  for (const topodlg::EntryInfo& entry : topodlg::EntryFunctions()) {
    const topodlg::gui::SampleCall* sample = topodlg::gui::SampleFor(samples, entry.name);
    if (!entry.invoke || !sample) continue;
    std::vector<std::string> words{"call"};
    words.insert(words.end(), sample->words.begin(), sample->words.end());
    words.insert(words.end(), {"--drive", "D=" + data.path().toStdString(), "--log", "/dev/null"});
    for (int round = 0; round < kRounds; ++round) {
      std::unique_ptr<std::FILE, FileCloser> out(std::tmpfile()), err(std::tmpfile());
      clock.start();
      topodlg::RunTopodlg(words, out.get(), err.get());
    }
    for (const auto& [dialog, list] : times) openedBy.emplace(dialog, entry.name);
  }

  std::printf("%-8s %-20s %10s %10s\n", "dialog", "entry function", "median ms", "max ms");
  bool allFast = true;
  for (auto& [dialog, list] : times) {
    std::sort(list.begin(), list.end());
    double median = list[list.size() / 2];
    if (list.size() % 2 == 0) median = (list[list.size() / 2 - 1] + median) / 2;
    allFast = allFast && median < 100;
    std::printf("%-8d %-20s %10.1f %10.1f\n", dialog, openedBy[dialog].c_str(), median, list.back());
  }
  std::printf("%s\n", allFast ? "every dialog under 100 ms" : "some dialog at 100 ms or more");
  return 0;
}
