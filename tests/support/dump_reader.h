// Reading topodlg's log in tests: every line parsed as JSON, events by name,
// dumps queried by control identifier, tab page and field.
//
//   Dump d = DumpAt(run);                        // the run's first dump
//   d.Control(102).Text();                       // the dialog's controls, then its visible page's
//   d.Page(207).Control(5).Checked();            // a tab page by its dialog number
//   d.Control(1100).Drawing()[0]["fill"].Str();  // a painted control's last paint
//   Events(run.log, "messagebox")[0]["text"].Str();
//
// A value that is not there (a control the dump lacks, a field a control does
// not have, a dump past the last) fails the running test at the line that asked
// for it, and reads as "", INT_MIN, false or an empty list, so a test never
// crashes on it. Texts are UTF-8 with the JSON escapes undone.
#pragma once

#include <nlohmann/json_fwd.hpp>

#include <memory>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/topodlg_run.h"

namespace topodlg::test {

using Texts = std::vector<std::string>;
using Here = std::source_location;

// One value inside a parsed log line.
class JsonValue {
 public:
  JsonValue() = default;

  // Lookups that may miss without failing: the result then does not exist,
  // and reading it fails.
  bool Exists() const { return m_at != nullptr; }
  bool Has(std::string_view key) const { return (*this)[key].Exists(); }
  JsonValue operator[](std::string_view key) const;
  JsonValue operator[](size_t index) const;

  // Reads that fail the test when the value is missing or of another type.
  bool IsNull(Here at = Here::current()) const;
  std::string Str(Here at = Here::current()) const;
  int Int(Here at = Here::current()) const;
  bool Bool(Here at = Here::current()) const;
  Texts Strs(Here at = Here::current()) const;
  std::vector<int> Ints(Here at = Here::current()) const;
  std::vector<JsonValue> Elements(Here at = Here::current()) const;  // an array's
  size_t Size(Here at = Here::current()) const;  // an array's elements or an object's fields

  // The value as compact JSON, fields in the order written ("" when missing).
  std::string Json() const;
  // Where the value sits in the log ("dump of dialog 140 (log line 3) > control 102 > text").
  const std::string& Where() const { return m_where; }
  // A missing value whose absence has failed the test already: reading it
  // stays quiet.
  static JsonValue Failed(std::string where);

 protected:
  using Doc = nlohmann::ordered_json;
  JsonValue(std::shared_ptr<const Doc> line, const Doc* at, std::string where)
      : m_line(std::move(line)), m_at(at), m_where(std::move(where)) {}
  // A value inside this one (`at` null: missing).
  JsonValue Inner(const Doc* at, std::string where) const { return JsonValue(m_line, at, std::move(where)); }
  // The parsed value; nullptr when missing.
  const Doc* Raw() const { return m_at; }
  static const Doc* RawOf(const JsonValue& v) { return v.m_at; }
  bool Reported() const { return m_reported; }
  // The value when it has the type; otherwise the test fails and nullptr.
  const Doc* Expect(bool (*isType)(const Doc&), const char* typeName, const Here& at) const;

 private:
  std::shared_ptr<const Doc> m_line;  // keeps the parsed line alive
  const Doc* m_at = nullptr;
  std::string m_where;
  bool m_reported = false;
};

// A control of a dump; its fields by kind are those of the log's contract.
class DumpedControl : public JsonValue {
 public:
  DumpedControl() = default;
  explicit DumpedControl(const JsonValue& value) : JsonValue(value) {}
  int Id(Here at = Here::current()) const { return (*this)["id"].Int(at); }
  std::string Kind(Here at = Here::current()) const { return (*this)["kind"].Str(at); }
  std::string Text(Here at = Here::current()) const { return (*this)["text"].Str(at); }
  bool Enabled(Here at = Here::current()) const { return (*this)["enabled"].Bool(at); }
  bool Visible(Here at = Here::current()) const { return (*this)["visible"].Bool(at); }
  int Checked(Here at = Here::current()) const { return (*this)["checked"].Int(at); }
  Texts Items(Here at = Here::current()) const { return (*this)["items"].Strs(at); }
  int Selected(Here at = Here::current()) const { return (*this)["selected"].Int(at); }
  int Top(Here at = Here::current()) const { return (*this)["top"].Int(at); }
  int Min(Here at = Here::current()) const { return (*this)["min"].Int(at); }
  int Max(Here at = Here::current()) const { return (*this)["max"].Int(at); }
  int Pos(Here at = Here::current()) const { return (*this)["pos"].Int(at); }
  // The operations of the control's last paint, in the order drawn.
  std::vector<JsonValue> Drawing(Here at = Here::current()) const { return (*this)["drawing"].Elements(at); }
};

// The controls of a dialog or of a tab page.
class ControlList : public JsonValue {
 public:
  ControlList() = default;
  explicit ControlList(const JsonValue& value) : JsonValue(value) {}
  std::vector<DumpedControl> Controls(Here at = Here::current()) const;
  bool HasControl(int id) const;
  // Fails the test when there is no control `id`.
  DumpedControl Control(int id, Here at = Here::current()) const;

 protected:
  const Doc* Find(int id) const;
};

// A tab page of a dump.
class DumpedPage : public ControlList {
 public:
  using ControlList::ControlList;
  int Dialog(Here at = Here::current()) const { return (*this)["dialog"].Int(at); }
  bool Visible(Here at = Here::current()) const { return (*this)["visible"].Bool(at); }
};

// A "dump" event: the dialog the user saw.
class Dump : public ControlList {
 public:
  using ControlList::ControlList;
  int Dialog(Here at = Here::current()) const { return (*this)["dialog"].Int(at); }
  std::string Title(Here at = Here::current()) const { return (*this)["title"].Str(at); }
  // The control that has the focus; 0 when none has (no control is numbered 0).
  int Focus(Here at = Here::current()) const;
  // The dialog's own control `id`, else the one of its visible tab page (the
  // controls the user can reach); fails the test when neither has it.
  bool HasControl(int id) const;
  DumpedControl Control(int id, Here at = Here::current()) const;
  // Fails the test when there is no page of that dialog number.
  DumpedPage Page(int dialog, Here at = Here::current()) const;
  std::vector<DumpedPage> Pages(Here at = Here::current()) const;
};

// One line of the log.
class Event : public JsonValue {
 public:
  Event() = default;
  Event(std::shared_ptr<const Doc> parsed, std::string line, std::string where);
  std::string Name() const { return (*this)["event"].Str(); }
  // The line exactly as written (for the contract's byte-exact forms).
  const std::string& Line() const { return m_text; }

 private:
  std::string m_text;
};

// The events of a log, in order: its lines that begin with "{" (other lines,
// such as messages on standard error, are left out). A line that is not JSON
// fails the test.
std::vector<Event> Events(const std::string& log, Here at = Here::current());
// Those with this "event" name.
std::vector<Event> Events(const std::string& log, std::string_view name, Here at = Here::current());
std::vector<Dump> Dumps(const std::string& log, Here at = Here::current());
// Dump number `index` (0 for the first); fails the test when there is none.
Dump DumpAt(const std::string& log, size_t index = 0, Here at = Here::current());
inline Dump DumpAt(const RunResult& run, size_t index = 0, Here at = Here::current()) {
  return DumpAt(run.log, index, at);
}

}  // namespace topodlg::test
