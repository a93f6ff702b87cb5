#include "app/command_line.h"

#include <algorithm>
#include <utility>

namespace app {

CommandLine& CommandLine::flag(std::vector<std::string> names, std::function<void()> set,
                               bool ends) {
  flags_.push_back({std::move(names), std::move(set), ends});
  return *this;
}

CommandLine& CommandLine::option(std::string name, std::function<bool(const std::string&)> take,
                                 std::string says) {
  options_.push_back({std::move(name), std::move(take), std::move(says)});
  return *this;
}

CommandLine& CommandLine::operands(
    std::function<bool(const std::string&, std::string& error)> take) {
  operands_ = std::move(take);
  return *this;
}

bool CommandLine::read(const std::vector<std::string>& args, std::string& error) const {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto flag = std::find_if(flags_.begin(), flags_.end(), [&](const Flag& f) {
      return std::find(f.names.begin(), f.names.end(), a) != f.names.end();
    });
    if (flag != flags_.end()) {
      flag->set();
      if (flag->ends) return true;
      continue;
    }
    auto option = std::find_if(options_.begin(), options_.end(),
                               [&](const Option& o) { return o.name == a; });
    if (option != options_.end()) {
      if (i + 1 >= args.size()) {
        error = missing_ == Missing::NeedsAValue ? a + " needs a value" : option->says;
        return false;
      }
      if (!option->take(args[++i])) {
        error = option->says;
        return false;
      }
      continue;
    }
    const bool looksLikeOption = !a.empty() && a[0] == '-' && a != "-";
    if (!operands_ || looksLikeOption) {
      error = "unknown option " + a;
      return false;
    }
    if (!operands_(a, error)) return false;
  }
  return true;
}

}  // namespace app
