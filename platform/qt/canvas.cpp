#include "platform/qt/canvas.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <functional>

#include "art/art.h"
#include "platform/qt/game_skin.h"
#include "platform/qt/legibility.h"
#include "platform/qt/widgets.h"
#include "ui/program.h"
#include "ui/window.h"

namespace platform::qt {

namespace {

std::unique_ptr<DrawnElement> makeDrawn(const ui::Element& e, int scale) {
  switch (e.kind) {
    case ui::Kind::PictureArea:
      return std::make_unique<DrawnPictureArea>(scale);
    case ui::Kind::Image:
      return std::make_unique<DrawnImage>(scale);
    case ui::Kind::Label:
      if (e.skin == ui::Skin::Banner) return std::make_unique<DrawnBanner>(scale);
      return std::make_unique<DrawnLabel>(scale);
    case ui::Kind::TextBox:
      if (e.Locked && e.skin == ui::Skin::Readout) return std::make_unique<DrawnReadout>(scale);
      return nullptr;
    default:
      return nullptr;
  }
}

// Only the game's own kinds answer a click; a readout only shows a value.
bool answersClicks(const ui::Element& e) {
  return e.kind == ui::Kind::PictureArea || e.kind == ui::Kind::Image || e.kind == ui::Kind::Label;
}

bool samePlace(const Canvas::Place& a, const Canvas::Place& b) {
  return a.rect == b.rect && a.clip == b.clip && a.shown == b.shown;
}

// A drawn element that lies over a control: drawn on a widget of its own
// above it. Clicks still go to the canvas's hit test where no control is.
class LiftedElement : public QWidget {
 public:
  LiftedElement(QWidget* parent, DrawnElement* drawn) : QWidget(parent), drawn_(drawn) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  // Where its whole drawing starts, from the widget's corner (it may be cut
  // by what holds it).
  void place(const Canvas::Place& at) {
    origin_ = at.rect.topLeft() - at.clip.topLeft();
    if (geometry() != at.clip) setGeometry(at.clip);
    if (isHidden() == at.shown) setVisible(at.shown);
  }

 protected:
  void paintEvent(QPaintEvent* ev) override {
    QPainter p(this);
    p.translate(origin_);
    paintByRects(p, ev->region().translated(-origin_),
                 [&](QRect dirty) { drawn_->paint(p, dirty); });
  }

 private:
  DrawnElement* drawn_;
  QPoint origin_;
};

}  // namespace

Canvas::Canvas(QWidget* parent, ui::Window& window, ui::Program* program)
    : QWidget(parent), window_(window), program_(program) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::build(int scale) {
  scale_ = scale;
  pieces_.clear();
  pressed_ = -1;
  backdrop_.clear();
  const auto& els = window_.elements();
  container_.assign(els.size(), -1);
  pieceOf_.assign(els.size(), -1);
  places_.assign(els.size(), Place{});
  for (std::size_t i = 0; i < els.size(); ++i) {
    if (els[i].container.empty()) continue;
    for (std::size_t j = 0; j < els.size(); ++j)
      if (j != i && els[j].id() == els[i].container) container_[i] = static_cast<int>(j);
  }
  // Each element is drawn before what it holds, and what it holds before
  // the elements designed after it: a picture area carries its sprites.
  std::function<void(int)> drawnFrom = [&](int holder) {
    for (std::size_t i = 0; i < els.size(); ++i) {
      if (container_[i] != holder) continue;
      if (auto drawn = makeDrawn(els[i], scale)) {
        pieceOf_[i] = static_cast<int>(pieces_.size());
        pieces_.push_back(Piece{i, std::move(drawn), Place{}, nullptr, nullptr});
      }
      drawnFrom(static_cast<int>(i));
    }
  };
  drawnFrom(-1);
  update();
}

DrawnElement* Canvas::drawn(std::size_t index) const {
  if (index >= pieceOf_.size() || pieceOf_[index] < 0) return nullptr;
  return pieces_[static_cast<std::size_t>(pieceOf_[index])].drawn.get();
}

void Canvas::liftOver(const std::vector<QWidget*>& controls) {
  placeAll();
  std::vector<char> lifted(places_.size(), 0);
  // Holders come before what they hold: what a lifted area holds goes with it.
  for (Piece& piece : pieces_) {
    const std::size_t i = piece.index;
    bool lift = container_[i] >= 0 && lifted[static_cast<std::size_t>(container_[i])];
    for (std::size_t j = 0; j < i && j < controls.size() && !lift; ++j)
      lift = controls[j] != nullptr && controls[j]->parentWidget() == this &&
             places_[j].rect.intersects(places_[i].rect);
    if (!lift) continue;
    lifted[i] = 1;
    piece.lifted = new LiftedElement(this, piece.drawn.get());
    piece.lifted->hide();  // until it is placed and shown
  }
}

QWidget* Canvas::liftedOf(std::size_t index) const {
  if (index >= pieceOf_.size() || pieceOf_[index] < 0) return nullptr;
  return pieces_[static_cast<std::size_t>(pieceOf_[index])].lifted;
}

void Canvas::setFocusStandIn(std::size_t index, QWidget* standIn) {
  if (index < pieceOf_.size() && pieceOf_[index] >= 0)
    pieces_[static_cast<std::size_t>(pieceOf_[index])].standIn = standIn;
}

const Canvas::Place& Canvas::placeOf(std::size_t index, std::vector<char>& done) {
  Place& at = places_[index];
  if (done[index] == 2) return at;
  done[index] = 1;
  Place holder{rect(), rect(), QPoint(0, 0), true, true};
  const int c = container_[index];
  // A holder still being placed holds itself somewhere: the window holds it.
  if (c >= 0 && done[static_cast<std::size_t>(c)] != 1)
    holder = placeOf(static_cast<std::size_t>(c), done);
  const ui::Element& e = window_.elements()[index];
  at.rect = QRect(holder.inner + QPoint(px(e.Left, scale_), px(e.Top, scale_)),
                  QSize(px(e.Width, scale_), px(e.Height, scale_)));
  at.clip = at.rect & holder.clip;
  const int inset = e.kind == ui::Kind::PictureArea && e.Border ? 2 * scale_ : 0;
  at.inner = at.rect.topLeft() + QPoint(inset, inset);
  at.shown = e.Visible && holder.shown;
  at.enabled = e.enabled() && holder.enabled;
  done[index] = 2;
  return at;
}

void Canvas::placeAll() {
  std::vector<char> done(places_.size(), 0);
  for (std::size_t i = 0; i < places_.size(); ++i) placeOf(i, done);
}

void Canvas::sync() {
  const auto& els = window_.elements();
  if (els.size() != places_.size()) return;
  placeAll();
  for (Piece& piece : pieces_) {
    const ui::Element& e = els[piece.index];
    const Place& at = places_[piece.index];
    bool changed = piece.drawn->resize(at.rect.size());
    changed = piece.drawn->setLook(e) || changed;
    if (auto* label = dynamic_cast<DrawnLabel*>(piece.drawn.get()))
      changed = label->setOutlined(needsOutline(window_, e)) || changed;
    if (!changed && samePlace(at, piece.drawnAt)) continue;
    if (auto* lifted = static_cast<LiftedElement*>(piece.lifted.data())) {
      lifted->place(at);
      if (changed) lifted->update();
      piece.drawnAt = at;
      continue;
    }
    // What it covered shows again, and it shows where it is now.
    if (piece.drawnAt.shown) update(piece.drawnAt.clip);
    if (at.shown) update(at.clip);
    piece.drawnAt = at;
  }
  if (std::string b = window_.backdrop(); b != backdrop_) {
    backdrop_ = std::move(b);
    update();
  }
}

void Canvas::paintEvent(QPaintEvent* ev) {
  QPainter p(this);
  paintByRects(p, ev->region(), [&](QRect dirty) { paintRect(p, dirty); });
}

void Canvas::paintRect(QPainter& p, QRect dirty) {
  // Under an element that covers the whole rectangle nothing shows.
  std::size_t from = 0;
  bool backdrop = true;
  for (std::size_t i = pieces_.size(); i-- > 0;) {
    const Place& at = pieces_[i].drawnAt;
    if (!at.shown || !at.clip.contains(dirty) || pieces_[i].lifted) continue;
    if (pieces_[i].drawn->covers(p, dirty.translated(-at.rect.topLeft()))) {
      from = i;
      backdrop = false;
      break;
    }
  }
  if (backdrop) paintBackdrop(p, dirty);
  for (std::size_t i = from; i < pieces_.size(); ++i) {
    const Place& at = pieces_[i].drawnAt;
    const QRect part = at.clip & dirty;
    if (!at.shown || part.isEmpty() || pieces_[i].lifted) continue;
    p.save();
    p.setClipRect(part);
    p.translate(at.rect.topLeft());
    pieces_[i].drawn->paint(p, part.translated(-at.rect.topLeft()));
    p.restore();
  }
}

void Canvas::paintBackdrop(QPainter& p, QRect dirty) {
  const std::string picture = window_.backdrop();
  const QSize native = art::nativeSize(picture);
  const QRect area = native.isValid() ? QRect(QPoint(0, 0), native * scale_) : QRect();
  if (!hidesWhatLiesUnder(p, picture, area, dirty))
    p.fillRect(rect(), toQColor(window_.design().backColor));
  if (native.isValid()) drawPicture(p, picture, area);
}

int Canvas::topmostAt(QPoint at) const {
  for (std::size_t i = pieces_.size(); i-- > 0;) {
    const Place& place = pieces_[i].drawnAt;
    if (place.shown && place.clip.contains(at)) return static_cast<int>(pieces_[i].index);
  }
  return -1;
}

int Canvas::outwards(int index, const std::function<bool(int)>& accepts) const {
  // A holder may be held by what it holds only in a broken design: stop
  // after as many steps as there are elements.
  for (std::size_t steps = 0; index >= 0 && steps <= container_.size(); ++steps) {
    if (accepts(index)) return index;
    index = container_[static_cast<std::size_t>(index)];
  }
  return -1;
}

// A disabled element lets the click through to what holds it.
int Canvas::elementAt(QPoint at) const {
  return outwards(topmostAt(at), [this](int i) {
    return places_[static_cast<std::size_t>(i)].enabled && drawn(static_cast<std::size_t>(i));
  });
}

void Canvas::mousePressEvent(QMouseEvent* ev) {
  const QPoint at = ev->position().toPoint();
  // The keys go to the picture area clicked, or the one holding what was clicked.
  const int focus = outwards(topmostAt(at), [this](int i) {
    const int piece = pieceOf_[static_cast<std::size_t>(i)];
    if (piece < 0) return false;
    const QWidget* standIn = pieces_[static_cast<std::size_t>(piece)].standIn;
    return standIn != nullptr && standIn->isVisible() && standIn->isEnabled() &&
           (standIn->focusPolicy() & Qt::ClickFocus) != 0;
  });
  if (focus >= 0)
    pieces_[static_cast<std::size_t>(pieceOf_[static_cast<std::size_t>(focus)])].standIn->setFocus(
        Qt::MouseFocusReason);
  pressed_ = elementAt(at);
  ev->accept();
}

void Canvas::mouseReleaseEvent(QMouseEvent* ev) {
  const int pressed = pressed_;
  pressed_ = -1;
  if (ev->button() != Qt::LeftButton || pressed < 0) return;
  if (places_[static_cast<std::size_t>(pressed)].rect.contains(ev->position().toPoint()))
    click(pressed, false);
}

void Canvas::mouseDoubleClickEvent(QMouseEvent* ev) {
  mousePressEvent(ev);
  if (ev->button() == Qt::LeftButton && pressed_ >= 0) click(pressed_, true);
}

void Canvas::click(int index, bool twice) {
  if (program_ == nullptr) return;
  const ui::Element& e = window_.elements()[static_cast<std::size_t>(index)];
  if (!answersClicks(e)) return;
  ui::Window& w = window_;
  if (ui::Element* el = w.find(e.name, e.index)) {
    if (twice)
      program_->dblClick(w, *el);
    else
      program_->click(w, *el);
  }
}

void Canvas::wheelEvent(QWheelEvent* ev) {
  const int delta = ev->angleDelta().y();
  const int turned = outwards(topmostAt(ev->position().toPoint()), [&](int i) {
    DrawnElement* d = drawn(static_cast<std::size_t>(i));
    return d != nullptr && places_[static_cast<std::size_t>(i)].enabled && d->wheel(delta);
  });
  if (turned < 0) {
    ev->ignore();
    return;
  }
  update(places_[static_cast<std::size_t>(turned)].clip);
  ev->accept();
}

bool Canvas::event(QEvent* ev) {
  if (ev->type() != QEvent::ToolTip) return QWidget::event(ev);
  auto* help = static_cast<QHelpEvent*>(ev);
  const int with = outwards(topmostAt(help->pos()), [this](int i) {
    DrawnElement* d = drawn(static_cast<std::size_t>(i));
    return d != nullptr && !d->toolTip().isEmpty();
  });
  if (with < 0) {
    QToolTip::hideText();
    ev->ignore();
    return true;
  }
  QToolTip::showText(help->globalPos(), drawn(static_cast<std::size_t>(with))->toolTip(), this,
                     places_[static_cast<std::size_t>(with)].clip);
  return true;
}

}  // namespace platform::qt
