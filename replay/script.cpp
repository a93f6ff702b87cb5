#include "replay/script.h"

#include <cstdlib>
#include <sstream>

#include "ui/parse.h"

namespace replay {

namespace {

// "Form1.Command1", "Com1(3)", "Label1"
bool parseElement(const std::string& s, ScriptLine& line) {
  std::string rest = s;
  auto dot = rest.find('.');
  if (dot != std::string::npos) {
    line.window = rest.substr(0, dot);
    rest = rest.substr(dot + 1);
    if (line.window.empty()) return false;
  }
  auto open = rest.find('(');
  if (open != std::string::npos) {
    if (rest.back() != ')') return false;
    long long idx = 0;
    if (!ui::parseWhole(rest.substr(open + 1, rest.size() - open - 2), idx) || idx < 0 ||
        idx > 32767)
      return false;
    line.index = static_cast<int>(idx);
    rest = rest.substr(0, open);
  }
  line.element = rest;
  return !rest.empty();
}

}  // namespace

std::optional<std::vector<ScriptLine>> parseScript(std::istream& in, std::string& error) {
  std::vector<ScriptLine> lines;
  std::string raw;
  int lineNo = 0;
  std::int64_t last = 0;
  auto fail = [&](const std::string& why) {
    error = "script line " + std::to_string(lineNo) + ": " + why;
    return std::nullopt;
  };
  while (std::getline(in, raw)) {
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::size_t start = raw.find_first_not_of(" \t");
    if (start == std::string::npos || raw[start] == '#') continue;

    // Split off the time, the event and (for most events) one argument.
    ScriptLine line;
    line.lineNo = lineNo;
    std::size_t p = start;
    auto word = [&]() {
      while (p < raw.size() && (raw[p] == ' ' || raw[p] == '\t')) ++p;
      std::size_t b = p;
      while (p < raw.size() && raw[p] != ' ' && raw[p] != '\t') ++p;
      return raw.substr(b, p - b);
    };
    long long t = 0;
    if (!ui::parseWhole(word(), t) || t < 0)
      return fail("a time in whole milliseconds comes first");
    if (t < last) return fail("times must not decrease");
    last = line.t = t;
    line.event = word();
    const std::string& ev = line.event;
    if (ev == "keydown" || ev == "keyup") {
      long long code = 0;
      if (!ui::parseWhole(word(), code) || code < 0 || code > 255)
        return fail("a key code 0 to 255");
      line.code = static_cast<int>(code);
    } else if (ev == "click" || ev == "dblclick" || ev == "option" || ev == "focus") {
      if (!parseElement(word(), line)) return fail("an element name is missing or malformed");
    } else if (ev == "text") {
      if (!parseElement(word(), line)) return fail("an element name is missing or malformed");
      // The text is everything after the one space that follows the element.
      line.text = p < raw.size() ? raw.substr(p + 1) : std::string();
      lines.push_back(std::move(line));
      continue;
    } else if (ev == "blur" || ev == "close") {
    } else {
      return fail("unknown event '" + ev + "'");
    }
    if (!word().empty()) return fail("unexpected words at the end");
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace replay
