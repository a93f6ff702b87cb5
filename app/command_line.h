// Reading a program's command line: each option declared once, with what it
// does and what it says when it is given wrong. The game and the replay tool
// read theirs with it.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace app {

class CommandLine {
 public:
  // What a missing value says: "NAME needs a value", or what the option
  // says when its value will not do.
  enum class Missing { NeedsAValue, SaysWhatItTakes };
  explicit CommandLine(Missing missing = Missing::NeedsAValue) : missing_(missing) {}

  // A flag: `set` runs when it is given. A flag that `ends` the line (a
  // request for help) stops the reading there, whatever follows.
  CommandLine& flag(std::vector<std::string> names, std::function<void()> set, bool ends = false);
  // An option with a value, the next argument. `take` says whether the value
  // will do; when it will not, the reading stops with `says`.
  CommandLine& option(std::string name, std::function<bool(const std::string&)> take,
                      std::string says);
  // Arguments that are not options ("-" is one). Without this, each is an
  // unknown option; `take` may refuse one with its own message.
  CommandLine& operands(std::function<bool(const std::string&, std::string& error)> take);

  // Reads the arguments after the program name in order; on the first that
  // will not do, stops and says why.
  bool read(const std::vector<std::string>& args, std::string& error) const;

 private:
  struct Flag {
    std::vector<std::string> names;
    std::function<void()> set;
    bool ends;
  };
  struct Option {
    std::string name;
    std::function<bool(const std::string&)> take;
    std::string says;
  };
  Missing missing_;
  std::vector<Flag> flags_;
  std::vector<Option> options_;
  std::function<bool(const std::string&, std::string&)> operands_;
};

}  // namespace app
