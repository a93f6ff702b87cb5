// Named variables of a window or of the whole program, registered once so
// that traces can list them and the replay tool can set them by name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class VarTable {
 public:
  enum class Type { Int16, Int16Array, OptionalInt16, Text };
  struct Entry {
    std::string name;
    Type type;
    void* ptr;
    std::size_t count;                          // elements of an array
    std::size_t stride = sizeof(std::int16_t);  // bytes from one element of an array to the next

    std::int16_t& at(std::size_t i) const {
      return *reinterpret_cast<std::int16_t*>(static_cast<char*>(ptr) + i * stride);
    }
  };

  void add(std::string name, std::int16_t& v) { add_({std::move(name), Type::Int16, &v, 1}); }
  void add(std::string name, std::optional<std::int16_t>& v) {
    add_({std::move(name), Type::OptionalInt16, &v, 1});
  }
  void add(std::string name, std::string& v) { add_({std::move(name), Type::Text, &v, 1}); }
  template <std::size_t N>
  void add(std::string name, std::array<std::int16_t, N>& v) {
    add_({std::move(name), Type::Int16Array, v.data(), N});
  }
  // The same field of every struct of an array (of each player, say), listed
  // as one array.
  template <class S, std::size_t N>
  void add(std::string name, std::array<S, N>& v, std::int16_t S::*field) {
    add_({std::move(name), Type::Int16Array, &(v[0].*field), N, sizeof(S)});
  }

  // Sets a whole-number variable (an array: every element); false when no
  // such number variable exists. Values beyond 16 bits saturate.
  bool set(std::string_view name, long long value);
  // Sets an array element by element, in order, or every element to one
  // value; false when there is no such number variable or it has not as
  // many elements as values.
  bool set(std::string_view name, const std::vector<long long>& values);
  const Entry* find(std::string_view name) const;
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  void add_(Entry e) { entries_.push_back(std::move(e)); }
  std::vector<Entry> entries_;
};

// A value given from outside the game, by name (a --set on a command line):
// one number, or one for each element of an array.
struct Setting {
  std::string name;
  std::vector<long long> values;
};

// Sets a program-wide setting, else a variable of the start window `start`
// (named `startName`). Empty when done, else what is wrong: "frm1 has no
// setting or variable foo", "playerSpeed takes 1 value or 4, not 3".
std::string setAtStart(VarTable& globals, VarTable& start, const std::string& startName,
                       const Setting& setting);

}  // namespace ui
