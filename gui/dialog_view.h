// A dialog on screen: real widgets for a dialog of the library and its tab
// pages, kept equal to the control model, with what the person does fed back to
// the dialog as the same user actions the scripted user performs.
#pragma once

#include <QDialog>
#include <QEventLoop>
#include <QHash>
#include <functional>
#include <memory>
#include <vector>

#include "gui/dialog_builder.h"
#include "platform/dialog.h"

namespace topodlg::gui {

class DrawingLayer;

class DialogView : public QDialog {
 public:
  // An interactive view passes the person's input on; a still one only shows
  // the dialog (screenshots).
  DialogView(CDialog& dialog, QWidget* owner, bool interactive = true);
  ~DialogView() override;

  CDialog& Dialog() const { return m_dialog; }
  // Shows the dialog modally and lets the person work it until it has ended;
  // `shown` runs once the window is up (tests and benchmarks act from there).
  void RunUntilEnded(const std::function<void(DialogView&)>& shown = {});
  // Paints what the dialog marked for painting and brings every widget up to date.
  void Refresh();
  // The widget of control `id` on the dialog or, failing that, on its visible
  // tab page (as the user reaches controls); nullptr when there is none.
  QWidget* WidgetFor(int id) const;
  // A tab page is going away: its widgets go with it.
  void Forget(const CDialog& page);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  struct Bound {
    CDialog* owner = nullptr;
    CWnd* control = nullptr;
    QWidget* widget = nullptr;
    DrawingLayer* drawing = nullptr;
  };
  // The dialog itself or one of its tab pages, with its widgets.
  struct Surface {
    CDialog* dialog = nullptr;
    QWidget* widget = nullptr;
    DrawingLayer* drawing = nullptr;
    std::vector<Bound> controls;
    // A page's widget goes with its surface (before the view's own children).
    std::unique_ptr<QWidget> ownedWidget;
  };

  Surface& AddSurface(CDialog& dialog, QWidget& widget, const std::vector<ControlWidget>& built);
  void ConnectInput(Bound& bound);
  // Runs one thing the person did, then refreshes; input that arrives while a
  // handler still runs (a nested dialog is open) or after the end is dropped.
  void Act(const std::function<void()>& action);
  void SyncPages();
  void PlacePage(Surface& page);
  void ShowSurface(Surface& surface);
  void ShowFocus();
  const Bound* BoundTo(QWidget* widget) const;

  CDialog& m_dialog;
  bool m_interactive;
  std::vector<std::unique_ptr<Surface>> m_surfaces;  // the dialog first, then its pages
  QHash<QWidget*, const Bound*> m_byWidget;
  QMetaObject::Connection m_focusWatch;
  bool m_acting = false;
  bool m_refreshing = false;
  QEventLoop m_loop;
};

}  // namespace topodlg::gui
