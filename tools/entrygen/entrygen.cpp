// entrygen: turns the rows of frame/entries.def into the code that every host
// of the library reads them through, so an entry function is described once:
//
//   frame/entries.h          the library's own declarations (namespace entry)
//   frame/entry_rows.inc     the rows of the entry table (names, kinds, descriptions)
//   frame/c_entries.cpp      the exported C functions that wrap the library's own
//   topodlg/topodlg.h        the public C header, with each argument documented
//
// Usage: entrygen ENTRIES.def OUTDIR. A file is rewritten only when its text
// changes, so an unchanged row rebuilds nothing.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Argument {
  std::string kind;  // int, real, str, dc
  std::string name;
  std::string description;
};

struct Row {
  std::string name;
  std::string result;  // str, int, void
  bool built = true;
  std::vector<Argument> args;
  int line = 0;
};

[[noreturn]] void Fail(const std::string& file, int line, const std::string& why) {
  std::cerr << file << ":" << line << ": " << why << "\n";
  std::exit(1);
}

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") + 1 - first);
}

bool IsIdentifier(const std::string& s) {
  if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
  for (char c : s) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  return true;
}

std::vector<Row> ReadRows(const std::string& file) {
  std::ifstream in(file);
  if (!in) Fail(file, 0, "cannot read");
  std::vector<Row> rows;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    if (Trim(text).empty() || Trim(text)[0] == '#') continue;
    std::istringstream words(text);
    if (text[0] != ' ' && text[0] != '\t') {
      Row row;
      row.line = line;
      std::string mark;
      words >> row.name >> row.result >> mark;
      if (!IsIdentifier(row.name)) Fail(file, line, "an entry function name is expected");
      if (row.result != "str" && row.result != "int" && row.result != "void") {
        Fail(file, line, "the result is str, int or void");
      }
      if (!mark.empty() && mark != "todo") Fail(file, line, "only 'todo' may follow the result");
      row.built = mark.empty();
      for (const Row& r : rows) {
        if (r.name == row.name) Fail(file, line, row.name + " has a row already");
      }
      rows.push_back(row);
      continue;
    }
    if (rows.empty()) Fail(file, line, "an argument line before any entry function");
    Argument arg;
    words >> arg.kind >> arg.name;
    std::getline(words, arg.description);
    arg.description = Trim(arg.description);
    if (arg.kind != "int" && arg.kind != "real" && arg.kind != "str" && arg.kind != "dc") {
      Fail(file, line, "the argument kind is int, real, str or dc");
    }
    if (!IsIdentifier(arg.name)) Fail(file, line, "an argument name is expected");
    rows.back().args.push_back(arg);
  }
  return rows;
}

// A C string literal holding `text` (UTF-8 is kept; the library target compiles
// it to code page 932, the tools and the host keep UTF-8).
std::string Literal(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

char Letter(const std::string& kind) { return kind == "int" ? 'i' : kind == "real" ? 'r' : kind == "str" ? 's' : 'd'; }

std::string Letters(const Row& row) {
  std::string out;
  for (const Argument& a : row.args) out += Letter(a.kind);
  return out;
}

std::string CppType(const std::string& kind) {
  return kind == "int" ? "int" : kind == "real" ? "float" : kind == "str" ? "CString" : "CDC*";
}
std::string CppResult(const std::string& result) {
  return result == "str" ? "CString" : result == "int" ? "int" : "void";
}
std::string CType(const std::string& kind) {
  return kind == "int" ? "int" : kind == "real" ? "float" : kind == "str" ? "const char*" : "TopoDlgDC*";
}
std::string CResult(const std::string& result) {
  return result == "str" ? "const char*" : result == "int" ? "int" : "void";
}
std::string ResultKind(const std::string& result) {
  return result == "str" ? "ResultKind::Str" : result == "int" ? "ResultKind::Int" : "ResultKind::None";
}

// "name(type a, type b)" broken after the opening parenthesis when long.
std::string Signature(const std::string& head, const Row& row, std::string (*type)(const std::string&)) {
  std::vector<std::string> params;
  for (const Argument& a : row.args) params.push_back(type(a.kind) + " " + a.name);
  std::string flat = head + "(";
  for (size_t i = 0; i < params.size(); ++i) flat += (i ? ", " : "") + params[i];
  if (params.empty()) flat += "void";
  flat += ")";
  if (flat.size() <= 100) return flat;
  std::string out = head + "(";
  std::string line = "    ";
  for (size_t i = 0; i < params.size(); ++i) {
    std::string piece = params[i] + (i + 1 < params.size() ? "," : ")");
    if (line.size() + piece.size() + 1 > 100) {
      out += "\n" + line;
      line = "    ";
    }
    line += (line.size() > 4 ? " " : "") + piece;
  }
  return out + "\n" + line;
}

void WriteIfChanged(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  {
    std::ifstream old(path, std::ios::binary);
    std::stringstream current;
    current << old.rdbuf();
    if (old && current.str() == text) return;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) {
    std::cerr << "entrygen: cannot write " << path << "\n";
    std::exit(1);
  }
}

std::string LibraryHeader(const std::vector<Row>& rows) {
  std::string out =
      "// Generated by entrygen from frame/entries.def: the entry functions as the\n"
      "// library implements them. Each dialog file defines its own.\n"
      "#pragma once\n\n#include \"platform/cstring.h\"\n#include \"platform/gdi.h\"\n\n"
      "namespace topodlg::entry {\n\n";
  for (const Row& row : rows) {
    if (row.built) out += Signature(CppResult(row.result) + " " + row.name, row, CppType) + ";\n";
  }
  return out + "\n}  // namespace topodlg::entry\n";
}

std::string TableRows(const std::vector<Row>& rows) {
  std::string out = "// Generated by entrygen from frame/entries.def.\n";
  for (const Row& row : rows) {
    out += "static constexpr EntryArgInfo kArgs" + row.name + "[] = {";
    // Appended piece by piece: GCC 12 at -O3 wrongly reports -Wrestrict for "{" + std::string.
    for (const Argument& a : row.args) {
      out += '{';
      out += Literal(a.name) + ", " + Literal(a.description) + "}, ";
    }
    out += "{nullptr, nullptr}};\n";
    if (row.built) {
      out += "static_assert(std::string_view(EntryInvoker<&entry::" + row.name + ">::kArgs) == " +
             Literal(Letters(row)) + " && EntryInvoker<&entry::" + row.name + ">::kResult == " +
             ResultKind(row.result) + ", \"" + row.name + " differs from its row in frame/entries.def\");\n";
    }
  }
  out += "#define TOPODLG_ENTRY_ROWS \\\n";
  for (const Row& row : rows) {
    out += "  EntryInfo{" + Literal(row.name) + ", " + Literal(Letters(row)) + ", " + ResultKind(row.result) +
           ", kArgs" + row.name + ", " +
           (row.built ? "&EntryInvoker<&entry::" + row.name + ">::Invoke" : std::string("nullptr")) + "}, \\\n";
  }
  return out + "\n";
}

std::string CWrappers(const std::vector<Row>& rows) {
  std::string out =
      "// Generated by entrygen from frame/entries.def: the exported C functions.\n"
      "// Each converts its arguments, calls the library's own function and keeps a\n"
      "// string result for the caller (see HoldResult). No exception leaves them: a\n"
      "// failure is kept for TopoDlgLastError. While a person works the dialogs,\n"
      "// each passes its call on to the graphical library (see Forwarded).\n"
      "#include \"frame/c_boundary.h\"\n#include \"frame/entries.h\"\n#include \"topodlg/topodlg.h\"\n\n";
  for (const Row& row : rows) {
    if (!row.built) continue;
    std::string call = "topodlg::entry::" + row.name + "(";
    for (size_t i = 0; i < row.args.size(); ++i) {
      const Argument& a = row.args[i];
      const std::string value = a.kind == "str" ? "topodlg::CString(" + a.name + ")"
                                : a.kind == "dc" ? "topodlg::DeviceContextOf(" + a.name + ")"
                                                 : a.name;
      call += (i ? ", " : "") + value;
    }
    call += ")";
    std::string forwardArgs;
    for (size_t i = 0; i < row.args.size(); ++i) forwardArgs += (i ? ", " : "") + row.args[i].name;
    out += "TOPODLG_API " + Signature(CResult(row.result) + " " + row.name, row, CType) + " {\n";
    out += "  topodlg::CallStarted();\n  if (auto forward = topodlg::Forwarded(&" + row.name + ", \"" + row.name +
           "\")) return forward(" + forwardArgs + ");\n  try {\n";
    if (row.result == "str") {
      out += "    return topodlg::HoldResult(" + call + ");\n  } catch (...) {\n    topodlg::CallFailed();\n    return topodlg::HoldResult({});\n  }\n";
    } else if (row.result == "int") {
      out += "    return " + call + ";\n  } catch (...) {\n    topodlg::CallFailed();\n    return -1;\n  }\n";
    } else {
      out += "    " + call + ";\n  } catch (...) {\n    topodlg::CallFailed();\n  }\n";
    }
    out += "}\n\n";
  }
  return out;
}

std::string PublicHeader(const std::vector<Row>& rows) {
  std::string out = R"(/* TopoDlg: the dialog library of the map viewer, as a C interface.
 *
 * Generated from the library's table of entry functions. Each entry function runs
 * one dialog modally and returns its outcome. Strings, passed and returned, are
 * NUL-terminated code page 932 bytes; a NULL string argument reads as "".
 *
 * String results: "" when the user cancelled, else the dialog's result string.
 * The pointer stays valid until the next entry function returns on the same
 * thread; copy the text to keep it. The caller never frees it.
 */
#ifndef TOPODLG_TOPODLG_H
#define TOPODLG_TOPODLG_H

/* The host functions: who answers the dialogs, drives, clock, device contexts,
 * why a call failed. */
#include "host.h"

#ifdef __cplusplus
extern "C" {
#endif

)";
  for (const Row& row : rows) {
    if (!row.built) continue;
    out += "/* " + row.name + "\n";
    for (const Argument& a : row.args) {
      out += " *   " + a.name + (a.description.empty() ? "" : ": " + a.description) + "\n";
    }
    out += " */\nTOPODLG_API " + Signature(CResult(row.result) + " " + row.name, row, CType) + ";\n\n";
  }
  return out + "#ifdef __cplusplus\n}  /* extern \"C\" */\n#endif\n\n#endif /* TOPODLG_TOPODLG_H */\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: entrygen ENTRIES.def OUTDIR\n";
    return 2;
  }
  const std::vector<Row> rows = ReadRows(argv[1]);
  const std::filesystem::path dir = argv[2];
  WriteIfChanged(dir / "frame" / "entries.h", LibraryHeader(rows));
  WriteIfChanged(dir / "frame" / "entry_rows.inc", TableRows(rows));
  WriteIfChanged(dir / "frame" / "c_entries.cpp", CWrappers(rows));
  WriteIfChanged(dir / "topodlg" / "topodlg.h", PublicHeader(rows));
  return 0;
}
