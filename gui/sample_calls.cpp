#include "gui/sample_calls.h"

#include <fstream>

namespace topodlg::gui {

std::vector<std::string> ShellWords(const std::string& line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    if (i >= line.size()) break;
    std::string word;
    while (i < line.size() && line[i] != ' ') {
      char c = line[i++];
      if (c == '\'') {
        while (i < line.size() && line[i] != '\'') word += line[i++];
        ++i;
      } else if (c == '"') {
        while (i < line.size() && line[i] != '"') {
          if (line[i] == '\\' && i + 1 < line.size()) ++i;
          word += line[i++];
        }
        ++i;
      } else {
        word += c;
      }
    }
    words.push_back(word);
  }
  return words;
}

std::vector<SampleCall> ReadSampleCalls(const std::filesystem::path& examples) {
  std::vector<SampleCall> calls;
  std::ifstream list(examples / "demo.txt");
  std::string line;
  while (std::getline(list, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    size_t first = line.find('|');
    size_t second = first == std::string::npos ? first : line.find('|', first + 1);
    if (second == std::string::npos) continue;
    SampleCall call{line.substr(0, first), line.substr(first + 1, second - first - 1), ShellWords(line.substr(second + 1))};
    if (!call.words.empty()) calls.push_back(std::move(call));
  }
  return calls;
}

const SampleCall* SampleFor(const std::vector<SampleCall>& calls, const std::string& entry) {
  for (const SampleCall& call : calls) {
    if (call.words.front() == entry) return &call;
  }
  return nullptr;
}

}  // namespace topodlg::gui
