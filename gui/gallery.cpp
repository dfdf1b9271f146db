#include "gui/gallery.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "frame/entry_table.h"
#include "gui/sample_calls.h"
#include "gui/screenshot.h"
#include "platform/dialog.h"
#include "platform/module_state.h"
#include "tools/scripted/cli.h"

namespace topodlg::gui {
namespace {

// Takes the picture of each dialog as it opens, then cancels it; boxes and
// pickers are cancelled too.
class Photographer : public UiBackend {
 public:
  Photographer(std::vector<GalleryPicture>& pictures, std::string openedBy)
      : m_pictures(pictures), m_openedBy(std::move(openedBy)) {}

  void RunModalLoop(CDialog& dialog) override {
    bool seen = std::any_of(m_pictures.begin(), m_pictures.end(),
                            [&](const GalleryPicture& p) { return p.dialog == dialog.TemplateId(); });
    if (!seen) m_pictures.push_back({dialog.TemplateId(), m_openedBy, RenderDialog(dialog)});
    dialog.EndDialog(IDCANCEL);
  }
  int MessageBox(const CString&, unsigned) override { return IDCANCEL; }
  std::optional<CString> FileDialog(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<COLORREF> ColorDialog(COLORREF) override { return std::nullopt; }

 private:
  std::vector<GalleryPicture>& m_pictures;
  std::string m_openedBy;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::vector<GalleryPicture> RenderGallery(const std::filesystem::path& examples) {
  std::vector<GalleryPicture> pictures;
  std::vector<SampleCall> samples = ReadSampleCalls(examples);
  QTemporaryDir data;
  std::error_code ignored;
  std::filesystem::copy(examples / "data", data.path().toStdString(), std::filesystem::copy_options::recursive, ignored);

  auto saved = Hooks().makeGraphicalBackend;
  for (const EntryInfo& entry : EntryFunctions()) {
    const SampleCall* sample = SampleFor(samples, entry.name);
    if (!entry.invoke || !sample) continue;
    std::vector<std::string> words{"call"};
    words.insert(words.end(), sample->words.begin(), sample->words.end());
    words.insert(words.end(), {"--drive", "D=" + data.path().toStdString(), "--log", "/dev/null"});
    Hooks().makeGraphicalBackend = [&pictures, name = std::string(entry.name)]() -> std::unique_ptr<UiBackend> {
      return std::make_unique<Photographer>(pictures, name);
    };
    std::unique_ptr<std::FILE, FileCloser> out(std::tmpfile()), err(std::tmpfile());
    if (out && err) RunTopodlg(words, out.get(), err.get());
  }
  Hooks().makeGraphicalBackend = saved;

  // Dialogs that only other dialogs open, from their templates.
  ModuleState& state = AfxGetModuleState();
  for (int id : DialogTemplateIds()) {
    if (std::any_of(pictures.begin(), pictures.end(), [id](const GalleryPicture& p) { return p.dialog == id; })) continue;
    Photographer photographer(pictures, "");
    UiBackend* before = state.backend;
    state.backend = &photographer;
    CDialog(id).DoModal();
    state.backend = before;
  }
  return pictures;
}

}  // namespace topodlg::gui
