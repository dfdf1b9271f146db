// topodlg-host: entry functions with labelled, prefilled fields; a call through a
// person at the screen; the result whole, split and in the history.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "frame/entry_table.h"
#include "gui/dialog_view.h"
#include "gui/host/host_window.h"
#include "gui/qt_backend.h"
#include "gui/tests/qtest_person.h"
#include "tools/scripted/cli.h"

namespace topodlg::gui {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(TOPODLG_SOURCE_DIR) / "examples";

TEST(HostTest, ResultsSplitAtBlanksAndBars) {
  EXPECT_EQ(ResultFields(QStringLiteral("1 25 0|d:\\a b.trk||x|")),
            (QStringList{"1", "25", "0", "d:\\a", "b.trk", "", "x"}));
  EXPECT_TRUE(ResultFields(QString()).isEmpty());
}

TEST(HostTest, ChosenEntryOpensWithItsSampleArgumentsAndKeepsTheResult) {
  HostWindow host(kExamples);
  ASSERT_TRUE(host.ChooseEntry(QStringLiteral("OnDlgContour")));
  ASSERT_NE(host.ArgumentField(10), nullptr);
  EXPECT_EQ(host.ArgumentField(10)->text(), QStringLiteral("103"));  // from the sample call
  EXPECT_EQ(host.ArgumentField(11), nullptr);

  host.ArgumentField(3)->setText(QStringLiteral("1000"));
  QTestPerson person(ParseScript("click 110\nclick 140\n"));
  Hooks().makeGraphicalBackend = [&person]() -> std::unique_ptr<UiBackend> {
    auto backend = std::make_unique<QtBackend>();
    backend->SetShownHook([&person](DialogView& view) { person.Work(view); });
    return backend;
  };
  host.OpenDialog();
  Hooks().makeGraphicalBackend = nullptr;
  EXPECT_EQ(person.Error(), "");
  EXPECT_EQ(host.LastResult(), QStringLiteral("1 50 5 0 0 1 2 0 103"));
  EXPECT_EQ(host.HistorySize(), 1);
}

}  // namespace
}  // namespace topodlg::gui
