#include "ui/json.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "ui/element.h"
#include "ui/program.h"
#include "ui/window.h"

namespace ui {

void appendJsonString(std::string& out, std::string_view s) {
  static const char* hex = "0123456789abcdef";
  out += '"';
  for (unsigned char c : s) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          out += "\\u00";
          out += hex[c >> 4];
          out += hex[c & 15];
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

void appendJsonFloat(std::string& out, float v) {
  if (!std::isfinite(v)) {
    out += "null";
    return;
  }
  if (v == std::trunc(v) && std::fabs(v) < 1e15f) {
    out += std::to_string(static_cast<long long>(v));
    return;
  }
  char buf[48];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

namespace {
void key(std::string& out, std::string_view k, bool& first) {
  if (!first) out += ", ";
  first = false;
  appendJsonString(out, k);
  out += ": ";
}
void boolean(std::string& out, bool b) { out += b ? "true" : "false"; }
}  // namespace

std::string varsJson(const VarTable& vars) {
  std::string out = "{";
  bool first = true;
  for (const auto& e : vars.entries()) {
    key(out, e.name, first);
    switch (e.type) {
      case VarTable::Type::Int16:
        out += std::to_string(*static_cast<const std::int16_t*>(e.ptr));
        break;
      case VarTable::Type::OptionalInt16: {
        const auto& v = *static_cast<const std::optional<std::int16_t>*>(e.ptr);
        out += v ? std::to_string(*v) : "null";
        break;
      }
      case VarTable::Type::Int16Array: {
        out += '[';
        for (std::size_t i = 0; i < e.count; ++i) {
          if (i) out += ", ";
          out += std::to_string(e.at(i));
        }
        out += ']';
        break;
      }
      case VarTable::Type::Text:
        appendJsonString(out, *static_cast<const std::string*>(e.ptr));
        break;
    }
  }
  out += '}';
  return out;
}

std::string elementJson(const Element& e) {
  std::string out = "{";
  bool first = true;
  auto num = [&](std::string_view k, float v) {
    key(out, k, first);
    appendJsonFloat(out, v);
  };
  auto flag = [&](std::string_view k, bool v) {
    key(out, k, first);
    boolean(out, v);
  };
  auto str = [&](std::string_view k, const std::string& v) {
    key(out, k, first);
    appendJsonString(out, v);
  };
  switch (e.kind) {
    case Kind::Image:
    case Kind::PictureArea:
      num("Left", e.Left);
      num("Top", e.Top);
      num("Width", e.Width);
      num("Height", e.Height);
      flag("Visible", e.Visible);
      key(out, "Picture", first);
      if (e.Picture.empty())
        out += "null";
      else
        appendJsonString(out, e.Picture);
      if (e.kind == Kind::PictureArea) num("ScaleHeight", e.scaleHeight());
      break;
    case Kind::Label:
      str("Caption", e.Caption);
      flag("Visible", e.Visible);
      num("Left", e.Left);
      num("Top", e.Top);
      key(out, "ForeColor", first);
      out += std::to_string(e.ForeColor);
      num("FontSize", e.FontSize);
      break;
    case Kind::TextBox:
    case Kind::ComboBox:
      str("Text", e.Text);
      flag("Visible", e.Visible);
      break;
    case Kind::Button:
    case Kind::OptionButton:
      str("Caption", e.Caption);
      flag("Visible", e.Visible);
      flag("Enabled", e.enabled());
      if (e.kind == Kind::OptionButton) flag("Value", e.Value);
      break;
    case Kind::Frame:
      str("Caption", e.Caption);
      flag("Visible", e.Visible);
      break;
    case Kind::Timer:
      flag("Enabled", e.enabled());
      key(out, "Interval", first);
      out += std::to_string(e.interval());
      break;
    case Kind::Socket:
      break;
  }
  out += '}';
  return out;
}

std::string elementsJson(const Window& w) {
  std::string out = "{";
  bool first = true;
  for (const auto& e : w.elements()) {
    key(out, e.id(), first);
    out += elementJson(e);
  }
  out += '}';
  return out;
}

std::string endStateJson(Program& p) {
  std::string line = "{\"t\": " + std::to_string(p.now()) +
                     ", \"globals\": " + varsJson(p.globals()) + ", \"windows\": {";
  bool first = true;
  for (const auto& w : p.windows()) {
    if (!w->loaded()) continue;
    if (!first) line += ", ";
    first = false;
    appendJsonString(line, w->name());
    line += ": {\"vars\": " + varsJson(w->vars()) + ", \"elements\": " + elementsJson(*w) + "}";
  }
  return line + "}}";
}

}  // namespace ui
