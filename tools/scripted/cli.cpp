#include "tools/scripted/cli.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>

#include "frame/entry_table.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/module_state.h"
#include "tools/scripted/event_log.h"
#include "tools/scripted/event_recorder.h"
#include "tools/scripted/json.h"
#include "tools/scripted/scripted_user.h"

namespace topodlg {
namespace {

struct UsageError {
  std::string message;
};

struct CallOptions {
  std::string entry;
  std::vector<std::string> args;
  std::optional<std::string> script;
  std::optional<std::string> log;
  std::vector<std::pair<char, std::string>> drives;
  std::optional<std::tm> now;
  bool raw = false;
};

const char* KindWord(char kind) {
  switch (kind) {
    case 'i': return "int";
    case 'r': return "real";
    case 's': return "str";
    default: return "dc";
  }
}

const char* ResultWord(ResultKind kind) {
  switch (kind) {
    case ResultKind::Str: return "str";
    case ResultKind::Int: return "int";
    case ResultKind::None: break;
  }
  return "none";
}

CallOptions ParseCall(const std::vector<std::string>& args) {
  CallOptions o;
  bool optionsEnded = false;
  std::vector<std::string> positional;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || !a.starts_with("--")) {
      positional.push_back(a);
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = a;
    std::optional<std::string> value;
    if (auto eq = a.find('='); eq != std::string::npos) {
      name = a.substr(0, eq);
      value = a.substr(eq + 1);
    }
    auto needValue = [&]() -> std::string {
      if (value) return *value;
      if (i + 1 >= args.size()) throw UsageError{name + " needs a value"};
      return args[++i];
    };
    if (name == "--raw") {
      if (value) throw UsageError{"--raw takes no value"};
      o.raw = true;
    } else if (name == "--script") {
      o.script = needValue();
    } else if (name == "--log") {
      o.log = needValue();
    } else if (name == "--drive") {
      std::string v = needValue();
      if (v.size() < 3 || v[1] != '=' || !std::isalpha(static_cast<unsigned char>(v[0]))) {
        throw UsageError{"--drive takes X=DIR, not \"" + v + "\""};
      }
      o.drives.emplace_back(static_cast<char>(std::toupper(static_cast<unsigned char>(v[0]))), v.substr(2));
    } else if (name == "--now") {
      std::string v = needValue();
      std::tm tm{};
      if (!ParseLocalTime(v.c_str(), tm)) throw UsageError{"--now takes \"YYYY-MM-DD HH:MM:SS\", not \"" + v + "\""};
      o.now = tm;
    } else {
      throw UsageError{"unknown option " + name};
    }
  }
  if (positional.empty()) throw UsageError{"call needs an entry function name"};
  o.entry = positional.front();
  o.args.assign(positional.begin() + 1, positional.end());
  return o;
}

EntryArg ParseArg(char kind, const std::string& word, size_t position) {
  EntryArg arg;
  arg.kind = static_cast<ArgKind>(kind);
  const std::string where = "argument " + std::to_string(position) + " (" + KindWord(kind) + ")";
  if (kind == 'i') {
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(word.c_str(), &end, 10);
    bool digitsOnly = !word.empty() && word.find_first_not_of("+-0123456789") == std::string::npos;
    if (!digitsOnly || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) {
      throw UsageError{where + " must be a decimal integer, not \"" + word + "\""};
    }
    arg.intValue = static_cast<int>(v);
  } else if (kind == 'r') {
    char* end = nullptr;
    errno = 0;
    bool decimal = !word.empty() && word.find_first_not_of("+-0123456789.eE") == std::string::npos;
    double v = std::strtod(word.c_str(), &end);
    if (!decimal || *end != '\0' || errno == ERANGE || !std::isfinite(v) || std::fabs(v) > FLT_MAX) {
      throw UsageError{where + " must be a decimal number, not \"" + word + "\""};
    }
    arg.realValue = static_cast<float>(v);
  } else {
    auto text = Utf8ToCp932(word);
    if (!text) throw UsageError{where + " has no code page 932 form"};
    arg.text = *text;
  }
  return arg;
}

bool ReadWhole(std::FILE* f, std::string& text) {
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  return !std::ferror(f);
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Restores the module state the call changed, so a host that calls again in the
// same process starts clean.
class CallSetup {
 public:
  explicit CallSetup(ModuleState& state) : m_state(state), m_saved(state.drives), m_now(state.now) {}
  ~CallSetup() {
    m_state.backend = nullptr;
    m_state.drives = m_saved;
    m_state.now = m_now;
  }

 private:
  ModuleState& m_state;
  DriveMap m_saved;
  std::optional<std::tm> m_now;
};

int List(std::FILE* out) {
  for (const EntryInfo& e : EntryFunctions()) {
    std::string line = e.name;
    for (const char* k = e.args; *k; ++k) line += std::string(" ") + KindWord(*k);
    line += std::string(" -> ") + ResultWord(e.result);
    if (!e.invoke) line += " (not built yet)";
    std::fprintf(out, "%s\n", line.c_str());
  }
  return 0;
}

int Call(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, std::FILE* in) {
  CallOptions o = ParseCall(args);
  const EntryInfo* entry = FindEntry(o.entry);
  if (!entry) throw UsageError{"unknown entry function " + o.entry + " (see: topodlg list)"};
  std::vector<EntryArg> values;
  std::string kinds;
  for (const char* k = entry->args; *k; ++k) {
    if (*k != 'd') kinds += *k;
  }
  if (o.args.size() != kinds.size()) {
    throw UsageError{o.entry + " takes " + std::to_string(kinds.size()) + " arguments, not " +
                     std::to_string(o.args.size())};
  }
  Drawing drawing;
  CDC recorder(&drawing);
  size_t next = 0;
  for (const char* k = entry->args; *k; ++k) {
    if (*k == 'd') {
      EntryArg dc;
      dc.kind = ArgKind::Dc;
      dc.dc = &recorder;
      values.push_back(dc);
    } else {
      values.push_back(ParseArg(*k, o.args[next], next + 1));
      ++next;
    }
  }

  std::unique_ptr<ScriptedUser> scripted;
  std::unique_ptr<UiBackend> graphical;
  if (o.script) {
    std::string text;
    if (*o.script == "-") {
      if (!ReadWhole(in, text)) throw std::runtime_error("cannot read the script from standard input");
    } else {
      std::unique_ptr<std::FILE, FileCloser> f(std::fopen(o.script->c_str(), "rb"));
      if (!f || !ReadWhole(f.get(), text)) throw std::runtime_error("cannot read the script " + *o.script);
    }
    scripted = std::make_unique<ScriptedUser>(ParseScript(text));
    if (Hooks().prepareScriptedUser) Hooks().prepareScriptedUser(*scripted);
  } else {
    if (Hooks().makeGraphicalBackend) graphical = Hooks().makeGraphicalBackend();
    if (!graphical) throw UsageError{"--script is needed: this build or this session has no graphical display"};
  }
  if (!entry->invoke) {
    std::fprintf(err, "topodlg: %s is not built yet\n", o.entry.c_str());
    return 1;
  }

  std::unique_ptr<std::FILE, FileCloser> logFile;
  std::FILE* logOut = err;
  if (o.log) {
    logFile.reset(std::fopen(o.log->c_str(), "wb"));
    if (!logFile) throw std::runtime_error("cannot write the log " + *o.log);
    logOut = logFile.get();
  }
  EventLog log(logOut);
  if (scripted) scripted->SetLog(&log);
  EventRecorder events(scripted ? static_cast<UiBackend*>(scripted.get()) : graphical.get(), log);

  ModuleState& state = AfxGetModuleState();
  CallSetup restore(state);
  for (const auto& [letter, folder] : o.drives) state.drives.Map(letter, folder);
  state.now = o.now;
  state.backend = &events;

  EntryResult result = entry->invoke(values);
  if (!drawing.empty()) log.Write(JsonObject().Add("event", "drawing").AddRaw("ops", DrawingJson(drawing)).str());
  switch (result.kind) {
    case ResultKind::Str:
      if (o.raw) {
        std::fwrite(result.text.c_str(), 1, static_cast<size_t>(result.text.GetLength()), out);
        std::fputc('\n', out);
      } else {
        std::fprintf(out, "%s\n", ToUtf8(result.text).c_str());
      }
      break;
    case ResultKind::Int: std::fprintf(out, "%d\n", result.value); break;
    case ResultKind::None: break;
  }
  std::fflush(out);
  return 0;
}

}  // namespace

CliHooks& Hooks() {
  static CliHooks hooks;
  return hooks;
}

int RunTopodlg(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, std::FILE* in) {
  try {
    if (args.empty()) throw UsageError{"usage: topodlg call ENTRY [ARG ...] [--script FILE] [--log FILE] [--drive X=DIR]... [--now \"YYYY-MM-DD HH:MM:SS\"] [--raw] | topodlg list"};
    if (args[0] == "list") {
      if (args.size() != 1) throw UsageError{"list takes no arguments"};
      return List(out);
    }
    if (args[0] != "call") throw UsageError{"unknown command \"" + args[0] + "\" (call or list)"};
    return Call(args, out, err, in);
  } catch (const UsageError& e) {
    std::fprintf(err, "topodlg: %s\n", e.message.c_str());
    return 2;
  } catch (const ScriptError& e) {
    std::fprintf(err, "topodlg: %s\n", e.Message().c_str());
    return 3;
  } catch (const std::filesystem::filesystem_error& e) {
    // The library's own wording stays inside: the user gets the path and the reason.
    std::fprintf(err, "topodlg: cannot use the path \"%s\": %s\n", e.path1().c_str(), e.code().message().c_str());
    return 1;
  } catch (const std::bad_alloc&) {
    std::fprintf(err, "topodlg: out of memory\n");
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(err, "topodlg: %s\n", e.what());
    return 1;
  }
}

}  // namespace topodlg
