#include "platform/qt/window_view.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "art/art.h"
#include "platform/qt/canvas.h"
#include "platform/qt/game_skin.h"
#include "platform/qt/language.h"
#include "platform/qt/legibility.h"
#include "platform/qt/widgets.h"
#include "ui/program.h"
#include "ui/window.h"

namespace platform::qt {

// A picture area that takes the keys: the canvas draws it, and this widget,
// with no size and nothing to draw, holds the keyboard focus for it.
class FocusStandIn : public QWidget {
 public:
  explicit FocusStandIn(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
  }
};

WindowView::WindowView(ui::Program& program, ui::Window& window, int scale, bool interactive)
    : QWidget(nullptr),
      program_(program),
      window_(window),
      scale_(scale),
      interactive_(interactive),
      canvas_(new Canvas(this, window, interactive ? &program : nullptr)) {
  setFixedSize(contentSize());
  canvas_->setGeometry(contentRect());
  setWindowTitle(shown(window.Caption));
  setAttribute(Qt::WA_OpaquePaintEvent);
  build(interactive);
  sync();
}

QSize WindowView::contentSize() const {
  const ui::Design& d = window_.design();
  return QSize(px(static_cast<float>(d.width), scale_), px(static_cast<float>(d.height), scale_));
}

QRect WindowView::contentRect() const {
  const QSize size = contentSize();
  return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

int WindowView::fittingScale(QSize area) const {
  const ui::Design& d = window_.design();
  int s = 1;
  while (px(static_cast<float>(d.width), s + 1) <= area.width() &&
         px(static_cast<float>(d.height), s + 1) <= area.height())
    ++s;
  return s;
}

void WindowView::paintEvent(QPaintEvent*) {
  // Only the margins around the canvas show: black, as on a screen that
  // fills its edges.
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
}

void WindowView::resizeEvent(QResizeEvent*) {
  canvas_->setGeometry(contentRect());
  if (tag_ != nullptr) tag_->placeIn(contentRect());
}

void WindowView::setScale(int scale) {
  if (scale < 1 || scale == scale_) return;
  scale_ = scale;
  rebuild();
}

void WindowView::rebuild() {
  // Contained widgets go with their picture area or frame.
  qDeleteAll(canvas_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
  items_.clear();
  build(interactive_);
  if (!fullScreen_) setFixedSize(contentSize());
  canvas_->setGeometry(contentRect());
  canvas_->update();
  // The tag is drawn anew at the new scale (and in the new language).
  if (tag_ != nullptr && !tag_->text().isEmpty()) setTag(tag_->text());
  sync();
  syncFocus();
}

void WindowView::setFullScreenMode(bool on, int normalScale) {
  if (on) {
    fullScreen_ = true;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QRect area = screen() != nullptr ? screen()->geometry() : QRect();
    setScale(area.isValid() ? fittingScale(area.size()) : normalScale);
    normalGeometry_ = geometry();
    // Without a window manager to honour the request, the size is set here too.
    if (area.isValid()) setGeometry(area);
    showFullScreen();
  } else {
    fullScreen_ = false;
    setScale(normalScale);
    setFixedSize(contentSize());
    showNormal();
    if (normalGeometry_.isValid()) move(normalGeometry_.topLeft());
  }
  canvas_->setGeometry(contentRect());
}

void WindowView::closeEvent(QCloseEvent* ev) {
  // The program decides: closing unloads the window, and the driver removes
  // this view when it does.
  ev->ignore();
  program_.close(window_);
}

QWidget* WindowView::makeWidget(const ui::Element& e, bool interactive) {
  const std::string name = e.name;
  const int index = e.index;
  ui::Window* w = &window_;
  ui::Program* p = &program_;
  auto element = [w, name, index]() { return w->find(name, index); };
  auto clickFn = [p, w, element] {
    if (ui::Element* el = element()) p->click(*w, *el);
  };
  auto textFn = [this, p, w, element](const QString& text) {
    if (syncing_) return;
    if (ui::Element* el = element()) p->text(*w, *el, text.toStdString());
  };

  QWidget* widget = nullptr;
  switch (e.kind) {
    case ui::Kind::PictureArea:
    case ui::Kind::Image:
    case ui::Kind::Label:
    case ui::Kind::Timer:
    case ui::Kind::Socket:
      return nullptr;
    case ui::Kind::TextBox:
      if (e.MultiLine) {
        auto* edit = new TextBoxWidget(canvas_);
        if (interactive)
          connect(edit, &QPlainTextEdit::textChanged, edit,
                  [edit, textFn] { textFn(edit->toPlainText()); });
        widget = edit;
      } else {
        auto* edit = new QLineEdit(canvas_);
        if (interactive) connect(edit, &QLineEdit::textEdited, edit, textFn);
        widget = edit;
      }
      break;
    case ui::Kind::ComboBox: {
      auto* combo = new QComboBox(canvas_);
      combo->setEditable(true);
      if (interactive) connect(combo, &QComboBox::editTextChanged, combo, textFn);
      widget = combo;
      break;
    }
    case ui::Kind::Button: {
      auto* b = new QPushButton(canvas_);
      b->setAutoDefault(false);
      if (interactive) connect(b, &QPushButton::clicked, b, clickFn);
      widget = b;
      break;
    }
    case ui::Kind::OptionButton: {
      auto* r = new QRadioButton(canvas_);
      r->setAutoExclusive(false);
      if (scale_ > 1) {
        // The style draws its circle at one size; it grows with the window.
        const int side = r->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, r);
        r->setStyleSheet(QStringLiteral("QRadioButton::indicator { width: %1px; height: %1px; }")
                             .arg(side * scale_));
      }
      if (interactive)
        connect(r, &QRadioButton::clicked, r, [p, w, element] {
          if (ui::Element* el = element()) p->option(*w, *el);
        });
      widget = r;
      break;
    }
    case ui::Kind::Frame:
      widget = new QGroupBox(canvas_);
      break;
  }
  // A box that only shows text never takes the keys from the road, and a
  // race has no menus to open over it: a locked box can still be selected
  // with the mouse, which fills the desktop's selection for pasting.
  if (!e.Focusable) widget->setFocusPolicy(Qt::NoFocus);
  if (e.Locked) widget->setContextMenuPolicy(Qt::NoContextMenu);
  return widget;
}

void WindowView::build(bool interactive) {
  canvas_->build(scale_);
  const auto& els = window_.elements();
  for (std::size_t i = 0; i < els.size(); ++i) {
    const ui::Element& e = els[i];
    QWidget* widget = nullptr;
    if (canvas_->drawn(i) == nullptr) {
      widget = makeWidget(e, interactive);
    } else if (e.kind == ui::Kind::PictureArea && e.Focusable) {
      widget = new FocusStandIn(canvas_);
      canvas_->setFocusStandIn(i, widget);
    }
    items_.push_back(Item{e.name, e.index, widget, {}, false});
  }
  // Controls held by a frame move into it; those held by a drawn picture
  // area stay on the canvas, placed over it.
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const int holder = canvas_->holderOf(i);
    if (items_[i].widget == nullptr || holder < 0) continue;
    const auto h = static_cast<std::size_t>(holder);
    if (canvas_->drawn(h) == nullptr && items_[h].widget != nullptr)
      items_[i].widget->setParent(items_[h].widget);
  }
  // Later controls lie above earlier ones, as designed, and so does what
  // the canvas draws over one of them.
  std::vector<QWidget*> controls;
  for (std::size_t i = 0; i < items_.size(); ++i)
    controls.push_back(canvas_->drawn(i) == nullptr ? items_[i].widget : nullptr);
  canvas_->liftOver(controls);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (QWidget* lifted = canvas_->liftedOf(i))
      lifted->raise();
    else if (items_[i].widget)
      items_[i].widget->raise();
  }
  // Keyboard focus moves in the designed tab order.
  std::vector<std::pair<int, QWidget*>> order;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].widget && items_[i].widget->focusPolicy() != Qt::NoFocus)
      order.push_back({els[i].tabIndex, items_[i].widget});
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

int WindowView::indexOf(const ui::Element& e) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].name == e.name && items_[i].index == e.index) return static_cast<int>(i);
  return -1;
}

ui::Element* WindowView::elementOf(const QWidget* widget) const {
  if (widget == nullptr) return nullptr;
  for (const auto& item : items_)
    if (item.widget == widget) return window_.find(item.name, item.index);
  return nullptr;
}

QWidget* WindowView::widgetOf(const ui::Element& e) const {
  const int i = indexOf(e);
  return i < 0 ? nullptr : items_[static_cast<std::size_t>(i)].widget;
}

DrawnElement* WindowView::drawnOf(const ui::Element& e) const {
  const int i = indexOf(e);
  return i < 0 ? nullptr : canvas_->drawn(static_cast<std::size_t>(i));
}

QRect WindowView::rectOf(const ui::Element& e) const {
  const int i = indexOf(e);
  if (i < 0) return QRect();
  const auto index = static_cast<std::size_t>(i);
  if (canvas_->drawn(index) != nullptr)
    return canvas_->place(index).rect.translated(canvas_->pos());
  const QWidget* w = items_[index].widget;
  return w != nullptr ? QRect(w->mapTo(this, QPoint(0, 0)), w->size()) : QRect();
}

ui::Element* WindowView::elementAt(QPoint at) const {
  for (QWidget* w = childAt(at); w != nullptr && w != canvas_ && w != this; w = w->parentWidget())
    if (ui::Element* e = elementOf(w)) return e;
  const int i = canvas_->elementAt(at - canvas_->pos());
  return i < 0 ? nullptr : &window_.elements()[static_cast<std::size_t>(i)];
}

QWidget* WindowView::canvas() const { return canvas_; }

void WindowView::sync() {
  if (!window_.loaded()) return;
  syncing_ = true;
  canvas_->sync();
  const auto& els = window_.elements();
  for (std::size_t i = 0; i < items_.size() && i < els.size(); ++i)
    if (items_[i].widget) syncItem(i, els[i]);
  const QString title = shown(window_.Caption) + titleNote_;
  if (windowTitle() != title) setWindowTitle(title);
  syncing_ = false;
}

void WindowView::setTag(const QString& text) {
  // Made anew at each scale, over the canvas.
  if (tag_ == nullptr || tag_->scale() != scale_) {
    delete tag_;
    tag_ = new GlassTag(this, scale_);
  }
  tag_->setText(text);
  tag_->placeIn(contentRect());
}

void WindowView::setTitleNote(const QString& note) {
  titleNote_ = note;
  setWindowTitle(shown(window_.Caption) + titleNote_);
}

void WindowView::syncItem(std::size_t index, const ui::Element& e) {
  Item& item = items_[index];
  QWidget* w = item.widget;
  const ui::Element& old = item.last;
  const bool first = !item.synced;

  // A picture area's stand-in goes where it is drawn, and shows with it.
  QRect geo;
  bool visible = e.Visible, enabled = e.enabled();
  if (canvas_->drawn(index) != nullptr) {
    const Canvas::Place& at = canvas_->place(index);
    geo = QRect(at.rect.topLeft(), QSize(0, 0));
    visible = at.shown;
    enabled = at.enabled;
  } else {
    // A control held by a frame sits in the frame; one held by a picture
    // area, in the area's inner part on the canvas.
    QPoint origin(0, 0);
    if (const int holder = canvas_->holderOf(index);
        holder >= 0 && canvas_->drawn(static_cast<std::size_t>(holder)) != nullptr) {
      const Canvas::Place& at = canvas_->place(static_cast<std::size_t>(holder));
      origin = at.inner;
      visible = visible && at.shown;
      enabled = enabled && at.enabled;
    }
    geo = QRect(origin + QPoint(px(e.Left, scale_), px(e.Top, scale_)),
                QSize(px(e.Width, scale_), px(e.Height, scale_)));
  }
  if (first || w->geometry() != geo) w->setGeometry(geo);
  if (first || w->isHidden() == visible) w->setVisible(visible);
  if (first || w->testAttribute(Qt::WA_Disabled) == enabled) w->setEnabled(enabled);
  if (first || old.FontSize != e.FontSize || old.FontBold != e.FontBold)
    w->setFont(gameFont(e.FontSize, e.FontBold, scale_));

  if (auto* edit = dynamic_cast<QLineEdit*>(w)) {
    // What the player typed comes back unchanged; only the game's own texts
    // are shown translated.
    if (edit->text() != QString::fromStdString(e.Text)) {
      const QString text = shown(e.Text);
      if (edit->text() != text) edit->setText(text);
    }
    if (edit->isReadOnly() != e.Locked) edit->setReadOnly(e.Locked);
  } else if (auto* edit = dynamic_cast<QPlainTextEdit*>(w)) {
    if (edit->toPlainText() != QString::fromStdString(e.Text)) {
      const QString text = shown(e.Text);
      if (edit->toPlainText() != text) edit->setPlainText(text);
    }
    if (edit->isReadOnly() != e.Locked) edit->setReadOnly(e.Locked);
  } else if (auto* combo = dynamic_cast<QComboBox*>(w)) {
    if (combo->currentText() != QString::fromStdString(e.Text)) {
      const QString text = shown(e.Text);
      if (combo->currentText() != text) combo->setEditText(text);
    }
  } else if (auto* button = dynamic_cast<QAbstractButton*>(w)) {
    const QString caption = shown(e.Caption);
    if (button->text() != caption) button->setText(caption);
    if (button->isCheckable() && button->isChecked() != e.Value) button->setChecked(e.Value);
  } else if (auto* group = dynamic_cast<QGroupBox*>(w)) {
    const QString caption = shown(e.Caption);
    if (group->title() != caption) group->setTitle(caption);
  }
  item.last = e;
  item.synced = true;
}

void WindowView::syncFocus() {
  ui::Element* e = window_.focused();
  if (e == nullptr) return;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].name == e->name && items_[i].index == e->index && items_[i].widget &&
        items_[i].widget->isVisible() && !items_[i].widget->hasFocus()) {
      items_[i].widget->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

}  // namespace platform::qt
