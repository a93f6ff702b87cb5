#include "ui/qt/key_map.h"

#include "ui/keys.h"

namespace ui::qt {

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
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::numpad(key - Qt::Key_0);
    if (int d = keypadDigit(key); d >= 0) return vk::numpad(d);
    switch (key) {
      case Qt::Key_Asterisk:
        return vk::kMultiply;
      case Qt::Key_Plus:
        return vk::kAdd;
      case Qt::Key_Minus:
        return vk::kSubtract;
      case Qt::Key_Period:
      case Qt::Key_Delete:
        return vk::kDecimal;
      case Qt::Key_Slash:
        return vk::kDivide;
      case Qt::Key_Enter:
        return vk::kReturn;
      default:
        break;
    }
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return vk::kA + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::k0 + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return vk::kF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Left:
      return vk::kLeft;
    case Qt::Key_Up:
      return vk::kUp;
    case Qt::Key_Right:
      return vk::kRight;
    case Qt::Key_Down:
      return vk::kDown;
    case Qt::Key_Space:
      return vk::kSpace;
    case Qt::Key_Shift:
      return vk::kShift;
    case Qt::Key_Control:
      return vk::kControl;
    case Qt::Key_Alt:
      return vk::kMenu;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return vk::kReturn;
    case Qt::Key_Escape:
      return vk::kEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return vk::kTab;
    case Qt::Key_Backspace:
      return vk::kBack;
    case Qt::Key_Pause:
      return vk::kPause;
    case Qt::Key_PageUp:
      return vk::kPageUp;
    case Qt::Key_PageDown:
      return vk::kPageDown;
    case Qt::Key_End:
      return vk::kEnd;
    case Qt::Key_Home:
      return vk::kHome;
    case Qt::Key_Insert:
      return vk::kInsert;
    case Qt::Key_Delete:
      return vk::kDelete;
    default:
      return -1;
  }
}

KeyAction keyAction(bool press, bool autoRepeat) {
  if (press) return KeyAction::Down;
  return autoRepeat ? KeyAction::None : KeyAction::Up;
}

}  // namespace ui::qt
