// The templates built into the library, parsed the first time a dialog asks for
// them. They are resources of the module: read-only after parsing.
#include <map>
#include <mutex>
#include <string_view>

#include "platform/dialog_template.h"
#include "platform/module_state.h"

namespace topodlg {

struct EmbeddedTemplate {
  int id;
  const unsigned char* bytes;
  unsigned long size;
};
extern const EmbeddedTemplate kEmbeddedTemplates[];
extern const unsigned long kEmbeddedTemplateCount;

namespace {

const std::map<int, DialogTemplate>& ParsedTemplates() {
  static const std::map<int, DialogTemplate> parsed = [] {
    std::map<int, DialogTemplate> all;
    for (unsigned long i = 0; i < kEmbeddedTemplateCount; ++i) {
      const EmbeddedTemplate& e = kEmbeddedTemplates[i];
      std::string_view script(reinterpret_cast<const char*>(e.bytes), e.size);
      // A template that does not parse is left out (a unit test parses them all).
      if (auto t = ParseDialogTemplate(script)) all.emplace(e.id, std::move(*t));
    }
    return all;
  }();
  return parsed;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(int resourceId) {
  const auto& added = AfxGetModuleState().addedTemplates;
  if (auto it = added.find(resourceId); it != added.end()) return &it->second;
  const auto& all = ParsedTemplates();
  auto it = all.find(resourceId);
  return it == all.end() ? nullptr : &it->second;
}

std::vector<int> DialogTemplateIds() {
  std::vector<int> ids;
  for (const auto& [id, t] : ParsedTemplates()) ids.push_back(id);
  return ids;
}

}  // namespace topodlg
