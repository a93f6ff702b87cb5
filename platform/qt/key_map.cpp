#include "platform/qt/key_map.h"

#include "ui/keys.h"

namespace platform::qt {

namespace {

// Keypad keys as Qt reports them with Num Lock off, and their digits.
int keypadDigit(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Insert:
      return 0;
    case Qt::Key_End:
      return 1;
    case Qt::Key_Down:
      return 2;
    case Qt::Key_PageDown:
      return 3;
    case Qt::Key_Left:
      return 4;
    case Qt::Key_Clear:
      return 5;
    case Qt::Key_Right:
      return 6;
    case Qt::Key_Home:
      return 7;
    case Qt::Key_Up:
      return 8;
    case Qt::Key_PageUp:
      return 9;
    default:
      return -1;
  }
}

}  // namespace

int virtualKey(int key, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  if (keypad) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return ui::vk::numpad(key - Qt::Key_0);
    if (int d = keypadDigit(key); d >= 0) return ui::vk::numpad(d);
    switch (key) {
      case Qt::Key_Asterisk:
        return ui::vk::kMultiply;
      case Qt::Key_Plus:
        return ui::vk::kAdd;
      case Qt::Key_Minus:
        return ui::vk::kSubtract;
      case Qt::Key_Period:
      case Qt::Key_Delete:
        return ui::vk::kDecimal;
      case Qt::Key_Slash:
        return ui::vk::kDivide;
      case Qt::Key_Enter:
        return ui::vk::kReturn;
      default:
        break;
    }
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return ui::vk::kA + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return ui::vk::k0 + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return ui::vk::kF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Left:
      return ui::vk::kLeft;
    case Qt::Key_Up:
      return ui::vk::kUp;
    case Qt::Key_Right:
      return ui::vk::kRight;
    case Qt::Key_Down:
      return ui::vk::kDown;
    case Qt::Key_Space:
      return ui::vk::kSpace;
    case Qt::Key_Shift:
      return ui::vk::kShift;
    case Qt::Key_Control:
      return ui::vk::kControl;
    case Qt::Key_Alt:
      return ui::vk::kMenu;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return ui::vk::kReturn;
    case Qt::Key_Escape:
      return ui::vk::kEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return ui::vk::kTab;
    case Qt::Key_Backspace:
      return ui::vk::kBack;
    case Qt::Key_Pause:
      return ui::vk::kPause;
    case Qt::Key_PageUp:
      return ui::vk::kPageUp;
    case Qt::Key_PageDown:
      return ui::vk::kPageDown;
    case Qt::Key_End:
      return ui::vk::kEnd;
    case Qt::Key_Home:
      return ui::vk::kHome;
    case Qt::Key_Insert:
      return ui::vk::kInsert;
    case Qt::Key_Delete:
      return ui::vk::kDelete;
    default:
      return -1;
  }
}

KeyAction keyAction(bool press, bool autoRepeat) {
  if (press) return KeyAction::Down;
  return autoRepeat ? KeyAction::None : KeyAction::Up;
}

}  // namespace platform::qt
