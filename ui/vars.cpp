#include "ui/vars.h"

#include "ui/arith.h"

namespace ui {

const VarTable::Entry* VarTable::find(std::string_view name) const {
  for (const auto& e : entries_)
    if (e.name == name) return &e;
  return nullptr;
}

bool VarTable::set(std::string_view name, long long value) {
  const Entry* e = find(name);
  if (e == nullptr) return false;
  const std::int16_t v = sat16(value);
  switch (e->type) {
    case Type::Int16:
      *static_cast<std::int16_t*>(e->ptr) = v;
      return true;
    case Type::OptionalInt16:
      *static_cast<std::optional<std::int16_t>*>(e->ptr) = v;
      return true;
    case Type::Int16Array:
      for (std::size_t i = 0; i < e->count; ++i) e->at(i) = v;
      return true;
    case Type::Text:
      return false;
  }
  return false;
}

}  // namespace ui
