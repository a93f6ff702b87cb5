#include "replay/recording.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

#include "app/command_line.h"
#include "app/options.h"
#include "replay/first_line.h"
#include "ui/parse.h"

namespace replay {

namespace {

constexpr std::string_view kAboutStart = "# Driftwing recording:";
// Enough for the first two lines of any recording, for lists of them.
constexpr std::size_t kAboutRead = 8 << 10;
constexpr const char* kNotARecording = "it is not a Driftwing recording";

// Every byte sequence is a whole UTF-8 character: no stray or missing
// continuation bytes, no overlong forms, no surrogates, nothing past U+10FFFF.
bool validUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t more = 0;
    if (c >= 0xC2 && c < 0xE0) {
      more = 1;
    } else if (c >= 0xE0 && c < 0xF0) {
      more = 2;
    } else if (c >= 0xF0 && c < 0xF5) {
      more = 3;
    } else if (c >= 0x80) {
      return false;
    }
    if (more >= s.size() - i) return false;
    char32_t code = more == 0 ? c : c & (0x3F >> more);
    for (std::size_t k = 1; k <= more; ++k) {
      const auto next = static_cast<unsigned char>(s[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = code << 6 | (next & 0x3F);
    }
    const bool overlong = (more == 2 && code < 0x800) || (more == 3 && code < 0x10000);
    if (overlong || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) return false;
    i += more + 1;
  }
  return true;
}

std::string damagedAt(int line, const std::string& why) {
  return "it is damaged at line " + std::to_string(line) + ": " + why;
}

// The script parser's "script line 7: ..." as a recording's damage.
std::string damaged(const std::string& scriptError) {
  constexpr std::string_view kScriptLine = "script line ";
  const std::string_view why(scriptError);
  return "it is damaged at line " +
         std::string(why.starts_with(kScriptLine) ? why.substr(kScriptLine.size()) : why);
}

// "A", "A and B", "A, B and C".
std::string listed(const std::vector<std::string>& names) {
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) out += i + 1 == names.size() ? " and " : ", ";
    out += names[i];
  }
  return out;
}

// The numbers of a dotted version without their leading zeros; nothing when
// it is not one.
std::optional<std::vector<std::string>> versionNumbers(std::string_view version) {
  std::vector<std::string> numbers;
  while (true) {
    const auto dot = std::min(version.find('.'), version.size());
    std::string_view n = version.substr(0, dot);
    if (n.empty() || n.find_first_not_of("0123456789") != std::string_view::npos)
      return std::nullopt;
    while (n.size() > 1 && n[0] == '0') n.remove_prefix(1);
    numbers.emplace_back(n);
    if (dot == version.size()) return numbers;
    version.remove_prefix(dot + 1);
  }
}

// The key=value fields of an about line; nothing else is asked of it.
std::map<std::string, std::string> aboutFields(std::string_view line) {
  std::map<std::string, std::string> about;
  std::string ignored;
  if (!line.starts_with(kAboutStart)) return about;
  const auto words = optionWords(line.substr(kAboutStart.size()), ignored);
  if (!words) return about;
  for (const auto& w : *words)
    if (const auto eq = w.find('='); eq != std::string::npos && eq > 0)
      about[w.substr(0, eq)] = w.substr(eq + 1);
  return about;
}

// Reads a recording's first line into `out`; empty when it will do, else
// what is wrong with it.
std::string readOptions(std::string_view line, RecordingOptions& out) {
  std::string error;
  const auto words = optionWords(line, error);
  if (!words) return damagedAt(1, error);
  // A newer game may write options and events this one does not know: its
  // version is the first thing to tell.
  if (const auto v = optionValue(*words, "--game-version"); v && newerThanThisGame(*v))
    return "it was " + madeByANewerGame(*v);

  bool until = false, events = false, version = false;
  auto whole = [](long long high, auto set) {
    return [=](const std::string& v) {
      long long n = 0;
      if (!ui::parseWhole(v, n) || n < 0 || n > high) return false;
      set(n);
      return true;
    };
  };
  app::CommandLine reader(app::CommandLine::Missing::SaysWhatItTakes);
  reader
      .option(
          "--screen",
          [&](const std::string& v) {
            out.screen = v;
            return true;
          },
          "--screen needs a window name")
      .option(
          "--set",
          [&](const std::string& v) {
            ui::Setting s;
            if (!app::parseSetting(v, s)) return false;
            out.sets.emplace_back(s.name, v.substr(s.name.size() + 1));
            return true;
          },
          app::kSetWrong)
      .option("--until",
              whole(std::numeric_limits<std::int64_t>::max(),
                    [&](long long n) {
                      out.until = n;
                      until = true;
                    }),
              "--until takes whole milliseconds")
      .option("--events",
              whole(std::numeric_limits<int>::max(),
                    [&](long long n) {
                      out.events = static_cast<int>(n);
                      events = true;
                    }),
              "--events takes the number of event lines")
      .option(
          "--game-version",
          [&](const std::string& v) {
            out.gameVersion = v;
            version = true;
            return true;
          },
          "--game-version needs a version");
  if (!reader.read(*words, error)) {
    constexpr std::string_view kUnknown = "unknown option ";
    if (error.starts_with(kUnknown))
      return "its first line has an option this Driftwing does not know, " +
             error.substr(kUnknown.size()) + " (a newer game's, probably)";
    return damagedAt(1, error);
  }
  std::vector<std::string> missing;
  if (out.screen.empty()) missing.push_back("--screen");
  if (!until) missing.push_back("--until");
  if (!events) missing.push_back("--events");
  if (!version) missing.push_back("--game-version");
  if (!missing.empty())
    return "it is not a complete recording: its first line lacks " + listed(missing);
  return {};
}

// The whole file, its size looked at before a byte is read.
std::optional<std::string> readWhole(const std::string& path, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) {
    error = "there is no such file";
    return std::nullopt;
  }
  if (fs::is_directory(status)) {
    error = "it is a folder, not a recording";
    return std::nullopt;
  }
  if (!ec && !fs::is_regular_file(status)) {
    error = kNotARecording;
    return std::nullopt;
  }
  const auto size = ec ? 0 : fs::file_size(path, ec);
  std::ifstream in(path, std::ios::binary);
  if (ec || !in) {
    error = "the file cannot be read";
    return std::nullopt;
  }
  if (size > static_cast<std::uintmax_t>(kLargestRecording)) {
    const auto mib = [](std::uintmax_t bytes) {
      return std::to_string((bytes + (1 << 20) - 1) >> 20);
    };
    error = "it is too large to be a recording (" + mib(size) + " MiB; a recording is at most " +
            mib(kLargestRecording) + " MiB)";
    return std::nullopt;
  }
  std::string text(size, '\0');
  in.read(text.data(), static_cast<std::streamsize>(size));
  if (in.bad()) {
    error = "the file cannot be read";
    return std::nullopt;
  }
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.empty()) {
    error = "the file is empty";
    return std::nullopt;
  }
  return text;
}

}  // namespace

std::string recordingText(const RecordingOptions& options,
                          const std::map<std::string, std::string>& about,
                          const std::vector<std::string>& lines) {
  std::vector<std::string> words{"--screen", options.screen};
  for (const auto& [name, value] : options.sets) {
    words.push_back("--set");
    words.push_back(name + "=" + value);
  }
  const std::string version = options.gameVersion.empty() ? gameVersion() : options.gameVersion;
  words.insert(words.end(), {"--until", std::to_string(options.until), "--events",
                             std::to_string(options.events), "--game-version", version});
  std::string text = optionsLine(words) + "\n" + std::string(kAboutStart);
  for (const auto& [key, value] : about) text += " " + key + "=" + quotedWord(value);
  text += "\n";
  for (const auto& line : lines) text += line + "\n";
  return text;
}

std::optional<Recording> readRecording(const std::string& path, std::string& error) {
  const auto text = readWhole(path, error);
  if (!text) return std::nullopt;
  const std::string_view all(*text);
  const auto firstEnd = std::min(all.find('\n'), all.size());
  if (all.find('\0') != std::string_view::npos || !validUtf8(all) ||
      !isOptionsLine(all.substr(0, firstEnd))) {
    error = kNotARecording;
    return std::nullopt;
  }
  Recording r;
  error = readOptions(all.substr(0, firstEnd), r.options);
  if (!error.empty()) return std::nullopt;
  if (firstEnd < all.size())
    r.about = aboutFields(all.substr(firstEnd + 1, all.find('\n', firstEnd + 1) - firstEnd - 1));

  auto events = parseCounted(*text, static_cast<std::size_t>(r.options.events));
  if (!events.lines) {
    error = events.cutShort ? "it was " + events.error : damaged(events.error);
    return std::nullopt;
  }
  auto& lines = events.lines;
  for (const auto& line : *lines)
    if (line.t > r.options.until) {
      error = damagedAt(line.lineNo, "an event after the race's end at " +
                                         std::to_string(r.options.until) + " ms");
      return std::nullopt;
    }
  r.lines = std::move(*lines);
  error.clear();
  return r;
}

std::optional<std::map<std::string, std::string>> readAbout(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::string head(kAboutRead, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  const auto firstEnd = head.find('\n');
  if (firstEnd == std::string::npos) return std::nullopt;
  const std::string_view first(head.data(), firstEnd);
  std::string error;
  if (!isOptionsLine(first) || first.find('\0') != std::string_view::npos || !validUtf8(first))
    return std::nullopt;
  const auto words = optionWords(first, error);
  if (!words || !optionValue(*words, "--game-version")) return std::nullopt;
  const auto secondEnd = head.find('\n', firstEnd + 1);
  const std::string_view second =
      std::string_view(head).substr(firstEnd + 1, secondEnd - firstEnd - 1);
  // An about line cut off by the reading is none.
  if (secondEnd == std::string::npos && head.size() == kAboutRead)
    return std::map<std::string, std::string>{};
  if (second.find('\0') != std::string_view::npos || !validUtf8(second)) return std::nullopt;
  return aboutFields(second);
}

CountedScript parseCounted(const std::string& text, std::optional<std::size_t> counted) {
  CountedScript s;
  auto parse = [](const std::string& part, std::string& error) {
    std::istringstream in(part);
    return parseScript(in, error);
  };
  auto shortOf = [&](std::size_t events) {
    s.cutShort = true;
    s.error = cutShort(events, *counted);
    return s;
  };
  auto lines = parse(text, s.error);
  if (!lines) {
    // A last line without its newline that does not read was cut off in
    // the middle of writing.
    std::string before;
    if (counted && !text.empty() && text.back() != '\n')
      if (auto whole = parse(text.substr(0, text.rfind('\n') + 1), before);
          whole && whole->size() < *counted)
        return shortOf(whole->size());
    return s;
  }
  if (counted && lines->size() < *counted) return shortOf(lines->size());
  if (counted && lines->size() > *counted) {
    s.error = "script line " + std::to_string((*lines)[*counted].lineNo) +
              ": more event lines than the " + std::to_string(*counted) + " --events counts";
    return s;
  }
  s.lines = std::move(lines);
  return s;
}

const char* gameVersion() { return DRIFTWING_VERSION; }

bool newerThanThisGame(const std::string& version) {
  const auto theirs = versionNumbers(version);
  const auto ours = versionNumbers(gameVersion());
  if (!theirs || !ours) return true;
  for (std::size_t i = 0; i < std::max(theirs->size(), ours->size()); ++i) {
    const std::string a = i < theirs->size() ? (*theirs)[i] : "0";
    const std::string b = i < ours->size() ? (*ours)[i] : "0";
    if (a.size() != b.size()) return a.size() > b.size();
    if (a != b) return a > b;
  }
  return false;
}

std::string madeByANewerGame(const std::string& version) {
  return "made by a newer Driftwing (" + version + "; this is " + gameVersion() + ")";
}

std::string cutShort(std::size_t events, std::size_t counted) {
  return "cut short: " + std::to_string(events) + " of " + std::to_string(counted) + " events";
}

}  // namespace replay
