// The game's own texts in Traditional Chinese, marked for Qt's translation
// tools. In the game they stay exactly as written; the desktop shows them
// in the player's language when one is chosen (`--lang en`).
//
//   label("Label1", ...).caption(Words::tr("故事模式:"))
//
// `lupdate` gathers every `Words::tr` text into translations/*.ts, under the
// context "Words".
#pragma once

namespace ui {

struct Words {
#if 0  // read by lupdate only: the texts below belong to the context "Words"
  Q_DECLARE_TR_FUNCTIONS(Words)
#endif
 public:
  static constexpr const char* tr(const char* text) { return text; }
};

}  // namespace ui
