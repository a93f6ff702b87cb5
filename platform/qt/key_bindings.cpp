#include "platform/qt/key_bindings.h"

#include <algorithm>
#include <utility>

#include "ui/keys.h"
#include "ui/words.h"

namespace platform::qt {

namespace {

using ui::Words;
using ui::vk::letter;
using ui::vk::numpad;

// What each mode's windows read, in the order of the game's help texts.
const std::vector<Action> kStage = {
    {"left", Words::tr("向左"), ui::vk::kLeft},      {"right", Words::tr("向右"), ui::vk::kRight},
    {"faster", Words::tr("加速"), ui::vk::kUp},      {"slower", Words::tr("減速"), ui::vk::kDown},
    {"start", Words::tr("開始"), ui::vk::kSpace},    {"pause", Words::tr("暫停"), letter('P')},
    {"quit", Words::tr("結束遊戲"), ui::vk::kShift},
};

const std::vector<Action> kBattle = {
    {"red-left", Words::tr("紅方 向左"), letter('A')},
    {"red-right", Words::tr("紅方 向右"), letter('D')},
    {"red-faster", Words::tr("紅方 加速"), letter('W')},
    {"red-slower", Words::tr("紅方 減速"), letter('S')},
    {"red-missile", Words::tr("紅方 飛彈"), letter('G')},
    {"red-turbo", Words::tr("紅方 渦輪"), letter('H')},
    {"blue-left", Words::tr("藍方 向左"), ui::vk::kLeft},
    {"blue-right", Words::tr("藍方 向右"), ui::vk::kRight},
    {"blue-faster", Words::tr("藍方 加速"), ui::vk::kUp},
    {"blue-slower", Words::tr("藍方 減速"), ui::vk::kDown},
    {"blue-missile", Words::tr("藍方 飛彈"), numpad(1)},
    {"blue-turbo", Words::tr("藍方 渦輪"), numpad(2)},
};

const std::vector<Action> kNetwork = {
    {"left", Words::tr("向左"), letter('A')},    {"right", Words::tr("向右"), letter('D')},
    {"faster", Words::tr("加速"), letter('W')},  {"slower", Words::tr("減速"), letter('S')},
    {"missile", Words::tr("飛彈"), letter('G')}, {"turbo", Words::tr("渦輪"), letter('H')},
};

const std::vector<Action> kShooter = {
    {"first-up", Words::tr("一號機 向上"), letter('W')},
    {"first-down", Words::tr("一號機 向下"), letter('S')},
    {"first-fire", Words::tr("一號機 開火"), letter('G')},
    {"second-up", Words::tr("二號機 向上"), ui::vk::kUp},
    {"second-down", Words::tr("二號機 向下"), ui::vk::kDown},
    {"second-fire", Words::tr("二號機 開火"), numpad(1)},
};

// The keys that have a name: every key the desktop reports.
std::vector<std::pair<int, QString>> makeKeyNames() {
  std::vector<std::pair<int, QString>> names;
  for (char c = 'A'; c <= 'Z'; ++c) names.emplace_back(letter(c), QString(QChar(c)));
  for (int d = 0; d <= 9; ++d) names.emplace_back(ui::vk::k0 + d, QString::number(d));
  for (int d = 0; d <= 9; ++d) names.emplace_back(numpad(d), QStringLiteral("Num %1").arg(d));
  for (int f = 1; f <= 12; ++f)
    names.emplace_back(ui::vk::kF1 + f - 1, QStringLiteral("F%1").arg(f));
  const std::pair<int, const char*> others[] = {
      {ui::vk::kMultiply, "Num *"}, {ui::vk::kAdd, "Num +"},
      {ui::vk::kSubtract, "Num -"}, {ui::vk::kDecimal, "Num ."},
      {ui::vk::kDivide, "Num /"},   {ui::vk::kLeft, "Left"},
      {ui::vk::kRight, "Right"},    {ui::vk::kUp, "Up"},
      {ui::vk::kDown, "Down"},      {ui::vk::kSpace, "Space"},
      {ui::vk::kShift, "Shift"},    {ui::vk::kControl, "Ctrl"},
      {ui::vk::kMenu, "Alt"},       {ui::vk::kReturn, "Enter"},
      {ui::vk::kEscape, "Esc"},     {ui::vk::kTab, "Tab"},
      {ui::vk::kBack, "Backspace"}, {ui::vk::kPause, "Pause"},
      {ui::vk::kPageUp, "Page Up"}, {ui::vk::kPageDown, "Page Down"},
      {ui::vk::kHome, "Home"},      {ui::vk::kEnd, "End"},
      {ui::vk::kInsert, "Insert"},  {ui::vk::kDelete, "Delete"},
  };
  for (const auto& [code, name] : others) names.emplace_back(code, QString::fromLatin1(name));
  return names;
}

const std::vector<std::pair<int, QString>>& keyNames() {
  static const auto names = makeKeyNames();
  return names;
}

std::optional<std::size_t> faceIndex(ui::PadButton button) {
  const auto it = std::find(kFaceButtons.begin(), kFaceButtons.end(), button);
  if (it == kFaceButtons.end()) return std::nullopt;
  return static_cast<std::size_t>(it - kFaceButtons.begin());
}

std::vector<int> defaultKeys(Mode mode) {
  std::vector<int> keys;
  for (const Action& a : actionsOf(mode)) keys.push_back(a.code);
  return keys;
}

}  // namespace

const char* modeId(Mode mode) {
  switch (mode) {
    case Mode::Stage:
      return "stage";
    case Mode::Battle:
      return "battle";
    case Mode::Network:
      return "network";
    case Mode::Shooter:
      return "shooter";
  }
  return "";
}

const char* modeWords(Mode mode) {
  switch (mode) {
    case Mode::Stage:
      return Words::tr("故事賽車");
    case Mode::Battle:
      return Words::tr("雙人對戰");
    case Mode::Network:
      return Words::tr("網上對戰");
    case Mode::Shooter:
      return Words::tr("射擊遊戲");
  }
  return "";
}

std::optional<Mode> modeOfWindow(const std::string& windowName) {
  if (windowName.size() == 4 && windowName.starts_with("frm") && windowName[3] >= '1' &&
      windowName[3] <= '5')
    return Mode::Stage;
  if (windowName == "Form3") return Mode::Battle;
  if (windowName == "Form5") return Mode::Network;
  if (windowName == "frmMain") return Mode::Shooter;
  return std::nullopt;
}

const std::vector<Action>& actionsOf(Mode mode) {
  switch (mode) {
    case Mode::Battle:
      return kBattle;
    case Mode::Network:
      return kNetwork;
    case Mode::Shooter:
      return kShooter;
    case Mode::Stage:
      break;
  }
  return kStage;
}

QString keyName(int code) {
  for (const auto& [c, name] : keyNames())
    if (c == code) return name;
  return {};
}

int keyCode(const QString& name) {
  const QString wanted = name.simplified();
  for (const auto& [code, n] : keyNames())
    if (n.compare(wanted, Qt::CaseInsensitive) == 0) return code;
  return -1;
}

bool bindable(int code) {
  const bool desktops = code >= ui::vk::kF1 + 8 && code <= ui::vk::kF1 + 11;  // F9 to F12
  return !desktops && code != ui::vk::kEscape && !keyName(code).isEmpty();
}

QString buttonName(ui::PadButton button) {
  static const char* const names[] = {"A", "B", "X", "Y"};
  const auto i = faceIndex(button);
  return i ? QString::fromLatin1(names[*i]) : QString();
}

int buttonOfName(const QString& name) {
  for (ui::PadButton b : kFaceButtons)
    if (buttonName(b).compare(name.trimmed(), Qt::CaseInsensitive) == 0) return static_cast<int>(b);
  return -1;
}

KeyBindings::KeyBindings() {
  for (Mode m : kModes) restoreDefaults(m);
}

int KeyBindings::key(Mode mode, std::size_t action) const {
  const auto& keys = keys_[at(mode)];
  return action < keys.size() ? keys[action] : -1;
}

bool KeyBindings::bind(Mode mode, std::size_t action, int key) {
  auto& keys = keys_[at(mode)];
  if (action >= keys.size() || !bindable(key)) return false;
  for (int& k : keys)
    if (k == key) k = -1;
  keys[action] = key;
  return true;
}

void KeyBindings::unbind(Mode mode, std::size_t action) {
  auto& keys = keys_[at(mode)];
  if (action < keys.size()) keys[action] = -1;
}

void KeyBindings::restoreDefaults(Mode mode) {
  keys_[at(mode)] = defaultKeys(mode);
  buttons_[at(mode)] = kFaceButtons;
}

bool KeyBindings::isDefault(Mode mode) const {
  return keys_[at(mode)] == defaultKeys(mode) && buttons_[at(mode)] == kFaceButtons;
}

std::vector<std::size_t> KeyBindings::conflicts(Mode mode) const {
  const auto& keys = keys_[at(mode)];
  std::vector<std::size_t> shared;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (keys[i] >= 0 && std::count(keys.begin(), keys.end(), keys[i]) > 1) shared.push_back(i);
  return shared;
}

void KeyBindings::set(Mode mode, std::size_t action, int key) {
  auto& keys = keys_[at(mode)];
  if (action < keys.size() && (key == -1 || bindable(key))) keys[action] = key;
}

int KeyBindings::gameCode(Mode mode, int key) const {
  if (key < 0) return -1;
  const auto& keys = keys_[at(mode)];
  const auto& actions = actionsOf(mode);
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return actions[i].code;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (actions[i].code == key) return -1;  // its action has moved away (or has no key)
  return key;
}

ui::PadButton KeyBindings::button(Mode mode, ui::PadButton button) const {
  const auto i = faceIndex(button);
  return i ? buttons_[at(mode)][*i] : button;
}

void KeyBindings::swapButton(Mode mode, ui::PadButton as, ui::PadButton pressed) {
  auto& buttons = buttons_[at(mode)];
  const auto i = faceIndex(as);
  const auto j = std::find(buttons.begin(), buttons.end(), pressed);
  if (!i || j == buttons.end()) return;
  std::swap(buttons[*i], *j);
}

ui::PadButton KeyBindings::actsAs(Mode mode, ui::PadButton pressed) const {
  const auto& buttons = buttons_[at(mode)];
  const auto j = std::find(buttons.begin(), buttons.end(), pressed);
  if (j == buttons.end()) return pressed;
  return kFaceButtons[static_cast<std::size_t>(j - buttons.begin())];
}

}  // namespace platform::qt
