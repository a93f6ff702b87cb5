#include "replay/first_line.h"

namespace replay {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The characters a quoted word writes after a backslash, and back.
char escaped(char c) { return c == '\n' ? 'n' : c == '\r' ? 'r' : c; }
char unescaped(char c) { return c == 'n' ? '\n' : c == 'r' ? '\r' : c; }

}  // namespace

bool isOptionsLine(std::string_view line) {
  return line.starts_with("#!") && (line.size() == 2 || isBlank(line[2]) || line[2] == '\r');
}

std::optional<std::vector<std::string>> optionWords(std::string_view line, std::string& error) {
  if (line.starts_with("#!")) line.remove_prefix(2);
  if (line.ends_with('\r')) line.remove_suffix(1);
  std::vector<std::string> words;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && isBlank(line[i])) ++i;
    if (i == line.size()) return words;
    std::string& word = words.emplace_back();
    // A word runs to the next blank outside quotes; quoted parts may sit
    // anywhere in it (name="two words").
    bool quoted = false;
    for (; i < line.size() && (quoted || !isBlank(line[i])); ++i) {
      const char c = line[i];
      if (c == '"') {
        quoted = !quoted;
      } else if (quoted && c == '\\' && i + 1 < line.size()) {
        word += unescaped(line[++i]);
      } else {
        word += c;
      }
    }
    if (quoted) {
      error = "a quote is never closed";
      return std::nullopt;
    }
  }
}

std::string quotedWord(const std::string& word) {
  if (!word.empty() && word.find_first_of(" \t\"\n\r") == std::string::npos) return word;
  std::string out = "\"";
  for (char c : word) {
    if (c == '"' || c == '\\' || c == '\n' || c == '\r') out += '\\';
    out += escaped(c);
  }
  return out + '"';
}

std::string optionsLine(const std::vector<std::string>& words) {
  std::string line = "#!";
  for (const auto& w : words) line += ' ' + quotedWord(w);
  return line;
}

std::optional<std::string> optionValue(const std::vector<std::string>& words,
                                       std::string_view option) {
  std::optional<std::string> value;
  for (std::size_t i = 0; i + 1 < words.size(); ++i)
    if (words[i] == option) value = words[++i];
  return value;
}

}  // namespace replay
