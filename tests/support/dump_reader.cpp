// The one place test code parses JSON: nlohmann/json.hpp is heavy to compile,
// so only this file includes it.
#include "tests/support/dump_reader.h"

#include <gtest/gtest.h>

#include <climits>
#include <nlohmann/json.hpp>
#include <sstream>

namespace topodlg::test {
namespace {

using Doc = nlohmann::ordered_json;

void Fail(const Here& at, const std::string& message) { ADD_FAILURE_AT(at.file_name(), at.line()) << message; }

std::string Compact(const Doc& value) {
  return value.dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace);
}

bool IsText(const Doc& v) { return v.is_string(); }
bool IsInteger(const Doc& v) { return v.is_number_integer(); }
bool IsBoolean(const Doc& v) { return v.is_boolean(); }
bool IsArray(const Doc& v) { return v.is_array(); }
bool IsAny(const Doc&) { return true; }
bool IsContainer(const Doc& v) { return v.is_array() || v.is_object(); }

// An integer of the log as an int; false when it does not fit.
bool ToInt(const Doc& v, int* out) {
  if (v.is_number_unsigned()) {
    const auto u = v.get<unsigned long long>();
    if (u > static_cast<unsigned long long>(INT_MAX)) return false;
    *out = static_cast<int>(u);
    return true;
  }
  const auto s = v.get<long long>();
  if (s < INT_MIN || s > INT_MAX) return false;
  *out = static_cast<int>(s);
  return true;
}

}  // namespace

// --- JsonValue ------------------------------------------------------------------

JsonValue JsonValue::Failed(std::string where) {
  JsonValue v;
  v.m_where = std::move(where);
  v.m_reported = true;
  return v;
}

JsonValue JsonValue::operator[](std::string_view key) const {
  std::string where = m_where + " > " + std::string(key);
  if (m_reported) return Failed(std::move(where));
  if (!m_at || !m_at->is_object()) return Inner(nullptr, std::move(where));
  const auto found = m_at->find(std::string(key));
  return Inner(found == m_at->end() ? nullptr : &*found, std::move(where));
}

JsonValue JsonValue::operator[](size_t index) const {
  std::string where = m_where + "[" + std::to_string(index) + "]";
  if (m_reported) return Failed(std::move(where));
  if (!m_at || !m_at->is_array() || index >= m_at->size()) return Inner(nullptr, std::move(where));
  return Inner(&(*m_at)[index], std::move(where));
}

const JsonValue::Doc* JsonValue::Expect(bool (*isType)(const Doc&), const char* typeName, const Here& at) const {
  if (m_reported) return nullptr;
  if (!m_at) {
    Fail(at, m_where + " is missing");
    return nullptr;
  }
  if (!isType(*m_at)) {
    Fail(at, m_where + " is " + Compact(*m_at) + ", not " + typeName);
    return nullptr;
  }
  return m_at;
}

bool JsonValue::IsNull(Here at) const {
  const Doc* v = Expect(IsAny, "a value", at);
  return v && v->is_null();
}

std::string JsonValue::Str(Here at) const {
  const Doc* v = Expect(IsText, "a text", at);
  return v ? v->get<std::string>() : std::string();
}

int JsonValue::Int(Here at) const {
  const Doc* v = Expect(IsInteger, "an integer", at);
  int value = INT_MIN;
  if (v && !ToInt(*v, &value)) {
    Fail(at, m_where + " is " + Compact(*v) + ", outside the int range");
    value = INT_MIN;
  }
  return value;
}

bool JsonValue::Bool(Here at) const {
  const Doc* v = Expect(IsBoolean, "true or false", at);
  return v && v->get<bool>();
}

Texts JsonValue::Strs(Here at) const {
  Texts texts;
  for (const JsonValue& element : Elements(at)) texts.push_back(element.Str(at));
  return texts;
}

std::vector<int> JsonValue::Ints(Here at) const {
  std::vector<int> values;
  for (const JsonValue& element : Elements(at)) values.push_back(element.Int(at));
  return values;
}

std::vector<JsonValue> JsonValue::Elements(Here at) const {
  std::vector<JsonValue> elements;
  if (const Doc* v = Expect(IsArray, "an array", at)) {
    for (size_t i = 0; i < v->size(); ++i) elements.push_back((*this)[i]);
  }
  return elements;
}

size_t JsonValue::Size(Here at) const {
  const Doc* v = Expect(IsContainer, "an array or object", at);
  return v ? v->size() : 0;
}

std::string JsonValue::Json() const { return m_at ? Compact(*m_at) : std::string(); }

// --- Dumps ----------------------------------------------------------------------

std::vector<DumpedControl> ControlList::Controls(Here at) const {
  std::vector<DumpedControl> controls;
  for (const JsonValue& c : (*this)["controls"].Elements(at)) controls.emplace_back(c);
  return controls;
}

const JsonValue::Doc* ControlList::Find(int id) const {
  const Doc* list = Raw();
  if (!list || !list->is_object()) return nullptr;
  const auto controls = list->find("controls");
  if (controls == list->end() || !controls->is_array()) return nullptr;
  for (const Doc& c : *controls) {
    const auto key = c.find("id");
    int value;
    if (c.is_object() && key != c.end() && key->is_number_integer() && ToInt(*key, &value) && value == id) return &c;
  }
  return nullptr;
}

bool ControlList::HasControl(int id) const { return Find(id) != nullptr; }

DumpedControl ControlList::Control(int id, Here at) const {
  std::string where = Where() + " > control " + std::to_string(id);
  if (const Doc* c = Find(id)) return DumpedControl(Inner(c, std::move(where)));
  if (!Reported()) Fail(at, Where() + " has no control " + std::to_string(id));
  return DumpedControl(Failed(std::move(where)));
}

int Dump::Focus(Here at) const {
  const JsonValue focus = (*this)["focus"];
  if (focus.Exists() && focus.IsNull(at)) return 0;
  return focus.Int(at);
}

std::vector<DumpedPage> Dump::Pages(Here at) const {
  std::vector<DumpedPage> pages;
  const std::vector<JsonValue> elements = (*this)["pages"].Elements(at);
  for (size_t i = 0; i < elements.size(); ++i) {
    const int dialog = elements[i]["dialog"].Int(at);
    pages.emplace_back(Inner(RawOf(elements[i]), Where() + " > page " + std::to_string(dialog)));
  }
  return pages;
}

DumpedPage Dump::Page(int dialog, Here at) const {
  for (const DumpedPage& page : Pages(at)) {
    if (page.Dialog(at) == dialog) return page;
  }
  std::string where = Where() + " > page " + std::to_string(dialog);
  if (!Reported()) Fail(at, Where() + " has no page " + std::to_string(dialog));
  return DumpedPage(Failed(std::move(where)));
}

bool Dump::HasControl(int id) const {
  if (ControlList::HasControl(id)) return true;
  for (const DumpedPage& page : Pages()) {
    if (page.Visible() && page.HasControl(id)) return true;
  }
  return false;
}

DumpedControl Dump::Control(int id, Here at) const {
  if (ControlList::HasControl(id) || Reported()) return ControlList::Control(id, at);
  for (const DumpedPage& page : Pages(at)) {
    if (page.Visible(at) && page.HasControl(id)) return page.Control(id, at);
  }
  Fail(at, Where() + " has no control " + std::to_string(id) + ", nor has its visible page");
  return DumpedControl(Failed(Where() + " > control " + std::to_string(id)));
}

// --- The log --------------------------------------------------------------------

Event::Event(std::shared_ptr<const Doc> parsed, std::string line, std::string where)
    : JsonValue(parsed, parsed.get(), std::move(where)), m_text(std::move(line)) {}

std::vector<Event> Events(const std::string& log, Here at) {
  std::vector<Event> events;
  std::istringstream in(log);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.starts_with('{')) continue;
    auto parsed = std::make_shared<Doc>(Doc::parse(line, nullptr, false));
    if (parsed->is_discarded() || !parsed->is_object()) {
      Fail(at, "log line " + std::to_string(number) + " is not a JSON object: " + line);
      continue;
    }
    const auto name = parsed->find("event");
    if (name == parsed->end() || !name->is_string()) {
      Fail(at, "log line " + std::to_string(number) + " names no event: " + line);
      continue;
    }
    std::string where = name->get<std::string>();
    const auto dialog = parsed->find("dialog");
    if (dialog != parsed->end()) where += " of dialog " + Compact(*dialog);
    where += " (log line " + std::to_string(number) + ")";
    events.emplace_back(std::move(parsed), std::move(line), std::move(where));
  }
  return events;
}

std::vector<Event> Events(const std::string& log, std::string_view name, Here at) {
  std::vector<Event> named;
  for (Event& e : Events(log, at)) {
    if (e.Name() == name) named.push_back(std::move(e));
  }
  return named;
}

std::vector<Dump> Dumps(const std::string& log, Here at) {
  std::vector<Dump> dumps;
  for (const Event& e : Events(log, "dump", at)) dumps.emplace_back(e);
  return dumps;
}

Dump DumpAt(const std::string& log, size_t index, Here at) {
  std::vector<Dump> dumps = Dumps(log, at);
  if (index < dumps.size()) return dumps[index];
  Fail(at, "the log has " + std::to_string(dumps.size()) + " dumps, not a dump " + std::to_string(index) +
               " (counting from 0)");
  return Dump(JsonValue::Failed("dump " + std::to_string(index)));
}

}  // namespace topodlg::test
