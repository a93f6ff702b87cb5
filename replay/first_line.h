// The options line that may open a script, for the replay tool as for a
// recording:
//
//   #! --screen frm1 --set difficultyBonus=20 --until 61234
//
// Its words are read as a command line's are. A word holds blanks between
// double quotes, with \" and \\ (and \n, \r) inside them: --set "a b=1".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace replay {

// Whether `line` is an options line: "#!" then a blank or nothing
// ("#!/bin/sh" is not one).
bool isOptionsLine(std::string_view line);

// The words of an options line (or of any text, without the "#!"); nothing
// when a quote is never closed, and `error` says so.
std::optional<std::vector<std::string>> optionWords(std::string_view line, std::string& error);

// A word as an options line writes it: in double quotes when it is empty
// or holds a blank, a quote or a line break; read back by optionWords.
std::string quotedWord(const std::string& word);

// The options line of these words.
std::string optionsLine(const std::vector<std::string>& words);

// The value of the last `option` among `words`, if it has one.
std::optional<std::string> optionValue(const std::vector<std::string>& words,
                                       std::string_view option);

}  // namespace replay
