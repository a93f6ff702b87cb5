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

bool VarTable::set(std::string_view name, const std::vector<long long>& values) {
  if (values.size() == 1) return set(name, values[0]);
  const Entry* e = find(name);
  if (e == nullptr || e->type != Type::Int16Array || e->count != values.size()) return false;
  for (std::size_t i = 0; i < e->count; ++i) e->at(i) = sat16(values[i]);
  return true;
}

std::string setAtStart(VarTable& globals, VarTable& start, const std::string& startName,
                       const Setting& setting) {
  for (VarTable* table : {&globals, &start}) {
    const VarTable::Entry* e = table->find(setting.name);
    if (e == nullptr || e->type == VarTable::Type::Text) continue;
    if (table->set(setting.name, setting.values)) return {};
    const std::size_t n = e->type == VarTable::Type::Int16Array ? e->count : 1;
    std::string says = setting.name + " takes 1 value";
    if (n > 1) says += " or " + std::to_string(n);
    return says + ", not " + std::to_string(setting.values.size());
  }
  return startName + " has no setting or variable " + setting.name;
}

}  // namespace ui
