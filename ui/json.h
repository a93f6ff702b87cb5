// Small helpers to write JSON text: strings, single-precision numbers, and
// the state of a window as the replay trace shows it.
#pragma once

#include <string>
#include <string_view>

#include "ui/vars.h"

namespace ui {

class Program;
class Window;
class Element;

void appendJsonString(std::string& out, std::string_view s);
// Whole values as integers; others as the shortest decimal that reads back
// as the same single-precision value.
void appendJsonFloat(std::string& out, float v);

// {"playerSpeed": 0, ...}
std::string varsJson(const VarTable& vars);
// {"Image1": {"Left": 2760, ...}, ...}: every element, by design name, with
// the properties its kind has.
std::string elementsJson(const Window& w);
std::string elementJson(const Element& e);

// The program's state when a run stops, as one line: the time, the
// settings, and the variables and elements of every loaded window. The game
// and the replay tool write the same line, so that a race and its replay
// can be compared.
std::string endStateJson(Program& p);

}  // namespace ui
