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
#include "platform/qt/game_skin.h"
#include "platform/qt/language.h"
#include "platform/qt/legibility.h"
#include "platform/qt/widgets.h"
#include "ui/program.h"
#include "ui/window.h"

namespace platform::qt {

// The window's own area: its background colour and picture, and the parent
// of every element widget. It fills the view, or sits centred in it when the
// view fills the screen.
class WindowView::Canvas : public QWidget {
 public:
  Canvas(WindowView* view) : QWidget(view), view_(view) { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent* ev) override {
    QPainter p(this);
    const std::string picture = view_->window_.backdrop();
    const QSize native = art::nativeSize(picture);
    const QRect area = native.isValid() ? QRect(QPoint(0, 0), native * view_->scale_) : QRect();
    paintByRects(p, ev->region(), [&](QRect dirty) {
      if (!hidesWhatLiesUnder(p, picture, area, dirty))
        p.fillRect(rect(), toQColor(view_->window_.design().backColor));
      if (native.isValid()) drawPicture(p, picture, area);
    });
  }

 private:
  WindowView* view_;
};

WindowView::WindowView(ui::Program& program, ui::Window& window, int scale, bool interactive)
    : QWidget(nullptr),
      program_(program),
      window_(window),
      scale_(scale),
      interactive_(interactive),
      canvas_(new Canvas(this)) {
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

void WindowView::resizeEvent(QResizeEvent*) { canvas_->setGeometry(contentRect()); }

void WindowView::setScale(int scale) {
  if (scale < 1 || scale == scale_) return;
  // Contained widgets go with their picture area or frame.
  qDeleteAll(canvas_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
  items_.clear();
  scale_ = scale;
  build(interactive_);
  for (auto& item : items_)
    if (item.widget) item.widget->show();
  if (!fullScreen_) setFixedSize(contentSize());
  canvas_->setGeometry(contentRect());
  canvas_->update();
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
  auto dblClickFn = [p, w, element] {
    if (ui::Element* el = element()) p->dblClick(*w, *el);
  };
  auto textFn = [this, p, w, element](const QString& text) {
    if (syncing_) return;
    if (ui::Element* el = element()) p->text(*w, *el, text.toStdString());
  };

  QWidget* widget = nullptr;
  switch (e.kind) {
    case ui::Kind::PictureArea:
    case ui::Kind::Image:
    case ui::Kind::Label: {
      ElementWidget* ew = nullptr;
      if (e.kind == ui::Kind::PictureArea) {
        ew = new PictureAreaWidget(canvas_, scale_);
        ew->setFocusPolicy(Qt::StrongFocus);
      } else if (e.kind == ui::Kind::Image) {
        ew = new ImageWidget(canvas_, scale_);
      } else {
        ew = e.skin == ui::Skin::Banner ? new BannerWidget(canvas_, scale_)
                                        : new LabelWidget(canvas_, scale_);
      }
      if (interactive) {
        ew->onClick = clickFn;
        ew->onDoubleClick = dblClickFn;
      }
      widget = ew;
      break;
    }
    case ui::Kind::TextBox:
      if (e.Locked && e.skin == ui::Skin::Readout) {
        widget = new ReadoutWidget(canvas_, scale_);
      } else if (e.MultiLine) {
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
    case ui::Kind::Timer:
    case ui::Kind::Socket:
      return nullptr;
  }
  // A box that only shows text never takes the keys from the road, and a
  // race has no menus to open over it: a locked box can still be selected
  // with the mouse, which fills the desktop's selection for pasting.
  if (!e.Focusable) widget->setFocusPolicy(Qt::NoFocus);
  if (e.Locked || e.kind == ui::Kind::PictureArea || e.kind == ui::Kind::Image ||
      e.kind == ui::Kind::Label)
    widget->setContextMenuPolicy(Qt::NoContextMenu);
  return widget;
}

void WindowView::build(bool interactive) {
  for (const ui::Element& e : window_.elements()) {
    Item item{e.name, e.index, makeWidget(e, interactive), {}, false};
    items_.push_back(std::move(item));
  }
  // Contained elements move into their picture area or frame.
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const ui::Element& e = window_.elements()[i];
    if (items_[i].widget == nullptr || e.container.empty()) continue;
    if (QWidget* parent = containerOf(e)) items_[i].widget->setParent(parent);
  }
  // Later elements are drawn above earlier ones, as designed.
  for (auto& item : items_)
    if (item.widget) item.widget->raise();
  // Keyboard focus moves in the designed tab order.
  std::vector<std::pair<int, QWidget*>> order;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].widget && items_[i].widget->focusPolicy() != Qt::NoFocus)
      order.push_back({window_.elements()[i].tabIndex, items_[i].widget});
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

QWidget* WindowView::containerOf(const ui::Element& e) const {
  const auto& els = window_.elements();
  for (std::size_t i = 0; i < els.size() && i < items_.size(); ++i)
    if (els[i].id() == e.container) return items_[i].widget;
  return nullptr;
}

ui::Element* WindowView::elementOf(const QWidget* widget) const {
  for (const auto& item : items_)
    if (item.widget == widget) return window_.find(item.name, item.index);
  return nullptr;
}

void WindowView::sync() {
  if (!window_.loaded()) return;
  syncing_ = true;
  const auto& els = window_.elements();
  for (std::size_t i = 0; i < items_.size() && i < els.size(); ++i)
    if (items_[i].widget) syncItem(items_[i], els[i]);
  const QString title = shown(window_.Caption);
  if (windowTitle() != title) setWindowTitle(title);
  if (std::string b = window_.backdrop(); b != backdrop_) {
    backdrop_ = std::move(b);
    canvas_->update();
  }
  syncing_ = false;
}

void WindowView::syncItem(Item& item, const ui::Element& e) {
  QWidget* w = item.widget;
  const ui::Element& old = item.last;
  const bool first = !item.synced;

  // Position: relative to the container's inner area.
  int inset = 0;
  if (auto* area = dynamic_cast<PictureAreaWidget*>(w->parentWidget())) inset = area->inset();
  const QRect geo(px(e.Left, scale_) + inset, px(e.Top, scale_) + inset, px(e.Width, scale_),
                  px(e.Height, scale_));
  if (first || old.Left != e.Left || old.Top != e.Top || old.Width != e.Width ||
      old.Height != e.Height || old.Border != e.Border)
    w->setGeometry(geo);
  if (first || old.Visible != e.Visible) w->setVisible(e.Visible);
  if (first || old.enabled() != e.enabled()) w->setEnabled(e.enabled());
  if (first || old.FontSize != e.FontSize || old.FontBold != e.FontBold)
    w->setFont(gameFont(e.FontSize, e.FontBold, scale_));

  if (auto* ew = dynamic_cast<ElementWidget*>(w)) {
    if (auto* label = dynamic_cast<LabelWidget*>(ew)) label->setOutlined(needsOutline(window_, e));
    ew->setLook(e);
  } else if (auto* edit = dynamic_cast<QLineEdit*>(w)) {
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
