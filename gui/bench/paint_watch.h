// What the first-paint benchmarks share: a watcher that notes the first paint
// of the window it is installed on, and a closer for the log files they open.
#pragma once

#include <QEvent>
#include <QObject>

#include <cstdio>

namespace topodlg::gui::bench {

class FirstPaint : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace topodlg::gui::bench
