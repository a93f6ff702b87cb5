// The network race's window: the arena road on the left (the battle's road
// picture lies over it) with a strip of roadside either side, and on the
// right a dashboard of its own that carries the status, both players' names,
// the speed, turbo and time readouts, the chat and the buttons.
//
// On each machine the player's own car is the red one, so the dashboard
// speaks the same language: red marks what is this player's, blue what is
// the other's. The name labels keep their players' colours (host pink,
// guest light blue) and carry a badge instead: the car that player drives on
// this screen, and on this player's own name a "YOU" tag. Which name is
// whose is only known once this side has chosen to host or to join, so the
// window has three versions of its dashboard.

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <tuple>
#include <utility>

#include "style.h"

namespace art {
namespace {

// --- The layout, in pixels at scale 1 -----------------------------------------------------------

constexpr double kWinW = 574;
constexpr double kWinH = 349;
const QRectF kTrack(8, 0, 249, 345);
const QRectF kPanel(272, 0, 294, 209);      // status, names, speeds, turbo and time
const QRectF kKeyStrip(272, 320, 294, 25);  // the key help at the foot

// Where the game writes on the dashboard.
const QRectF kStatus(280, 4, 278, 22);
const QRectF kHostName(280, 28, 136, 22);
const QRectF kGuestName(420, 28, 136, 22);
const QRectF kMySpeed(280, 56, 136, 48);     // caption and value
const QRectF kTheirSpeed(420, 56, 136, 48);  // caption and value
const QRectF kMessage(280, 108, 278, 24);
const QRectF kMyTurbo(280, 156, 88, 26);
const QRectF kTheirTurbo(376, 156, 88, 26);
const QRectF kTime(472, 156, 88, 26);
const QRectF kTheirChat(280, 242, 286, 20);
const QRectF kMyChat(280, 262, 286, 20);

// The wells round them: two columns for the names and speeds, three for
// turbo and time, each reaching a little left of its text for a colour bar.
constexpr double kPad = 6;
constexpr double kRight = 562;  // where the dashboard's wells end
QRectF column(const QRectF& text, double right) {
  return QRectF(text.left() - kPad, text.top(), right - (text.left() - kPad), text.height());
}

const QColor kNight{0x10, 0x12, 0x1c};
const QColor kPanelTint{0x17, 0x1a, 0x2a};
const QColor kMine{0xe0, 0x34, 0x48};    // the red car: this player's
const QColor kTheirs{0x2f, 0x7d, 0xff};  // the blue car: the other player's
const QColor kHostTint{0xff, 0x78, 0x78};
const QColor kGuestTint{0x78, 0xaa, 0xff};

// --- Badges -------------------------------------------------------------------------------------

// A top-down car no taller than `h`, nose up, centred on `c`.
void carBadge(QPainter& p, QPointF c, double h, const QColor& paint) {
  const double w = h * 0.6;
  drawCarTopDown(p, QRectF(c.x() - w / 2, c.y() - h / 2, w, h), paint, pal::kWhite, 0.8);
}

// "YOU" in stroked capitals on a pill of the player's red.
void youTag(QPainter& p, QPointF centre) {
  const QRectF pill(centre.x() - 13, centre.y() - 6, 26, 12);
  p.setPen(QPen(pal::kInk, 1.0));
  p.setBrush(gradient(pill.topLeft(), pill.bottomLeft(),
                      {{0.0, kMine.lighter(115)}, {1.0, kMine.darker(120)}}));
  p.drawRoundedRect(pill, 6, 6);
  const double h = 6.4;
  const double top = centre.y() - h / 2;
  double x = pill.left() + 5;
  QPainterPath word;
  // Y
  word.moveTo(x, top);
  word.lineTo(x + 2.2, top + h * 0.5);
  word.lineTo(x + 4.4, top);
  word.moveTo(x + 2.2, top + h * 0.5);
  word.lineTo(x + 2.2, top + h);
  x += 6;
  // O
  word.addEllipse(QRectF(x, top, 4.4, h));
  x += 6.2;
  // U
  word.moveTo(x, top);
  word.lineTo(x, top + h - 2.2);
  word.quadTo(x, top + h, x + 2.2, top + h);
  word.quadTo(x + 4.4, top + h, x + 4.4, top + h - 2.2);
  word.lineTo(x + 4.4, top);
  p.setPen(QPen(pal::kWhite, 1.25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(word);
}

// A thin bar in a player's colour just left of where a label's text starts.
void markBar(QPainter& p, const QRectF& text, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawRoundedRect(QRectF(text.left() - kPad + 1.5, text.top() + 3, 2.5, text.height() - 6), 1.2,
                    1.2);
}

// --- The dashboard ------------------------------------------------------------------------------

// A recessed well for readouts, with an accent line along its foot.
void well(QPainter& p, const QRectF& r, const QColor& accent, double radius = 4) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  p.setPen(QPen(QColor(255, 255, 255, 24), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path.translated(0, 1));
  p.setPen(QPen(QColor(0, 0, 0, 200), 1.2));
  p.setBrush(gradient(r.topLeft(), r.bottomLeft(),
                      {{0.0, QColor(0x06, 0x07, 0x0d)}, {1.0, QColor(0x0c, 0x0d, 0x16)}}));
  p.drawPath(path);
  p.setPen(QPen(withAlpha(accent, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(r.left() + radius + 2, r.bottom() - 0.4),
             QPointF(r.right() - radius - 2, r.bottom() - 0.4));
}

// A name plate: the label's own colour down its side; once the side is
// known, the car that player drives here at its right end, and "YOU" beside
// it on this player's own plate.
void namePlate(QPainter& p, const QRectF& plate, const QRectF& text, const QColor& tint,
               const QColor* car, bool you) {
  p.setPen(QPen(withAlpha(tint, you ? 200 : 90), you ? 1.4 : 1.0));
  p.setBrush(you ? mix(kPanelTint, kMine, 0.18) : kPanelTint.darker(130));
  p.drawRoundedRect(plate, 4, 4);
  markBar(p, text, tint);
  if (car == nullptr) return;
  const QPointF badge(plate.right() - 9, plate.center().y());
  carBadge(p, badge, plate.height() - 5, *car);
  if (you) youTag(p, badge - QPointF(24, 0));
}

enum class Side { Unknown, Host, Guest };

void dashboard(QPainter& p, Side side) {
  // The panel itself: dark blue steel with a faint weave, a bezel on its left.
  p.fillRect(kPanel, gradient(kPanel.topLeft(), kPanel.bottomLeft(),
                              {{0.0, kPanelTint.lighter(118)}, {1.0, kPanelTint}}));
  p.setPen(Qt::NoPen);
  for (double y = kPanel.top(); y < kPanel.bottom(); y += 4) {
    for (double x = kPanel.left(); x < kPanel.right(); x += 4) {
      const bool odd = static_cast<int>((x - kPanel.left()) / 4 + y / 4) % 2;
      p.fillRect(QRectF(x, y, 4, 2), odd ? QColor(255, 255, 255, 5) : QColor(0, 0, 0, 20));
      p.fillRect(QRectF(x, y + 2, 4, 2), odd ? QColor(0, 0, 0, 20) : QColor(255, 255, 255, 5));
    }
  }
  // The status line sits on a header strip.
  p.fillRect(QRectF(kPanel.left(), 0, kPanel.width(), kStatus.bottom() + 1), QColor(0, 0, 0, 70));
  p.setPen(QPen(QColor(255, 255, 255, 40), 1.0));
  p.drawLine(QPointF(kPanel.left(), kStatus.bottom() + 1.5),
             QPointF(kPanel.right(), kStatus.bottom() + 1.5));

  // Names: each in its player's colour, with the car they drive here.
  const bool host = side == Side::Host;
  const bool guest = side == Side::Guest;
  const QColor* hostCar = host ? &kMine : guest ? &kTheirs : nullptr;
  const QColor* guestCar = guest ? &kMine : host ? &kTheirs : nullptr;
  const double split = kGuestName.left() - kPad - 2;
  namePlate(p, column(kHostName, split).adjusted(0, -1, 0, 1), kHostName, kHostTint, hostCar, host);
  namePlate(p, column(kGuestName, kRight).adjusted(0, -1, 0, 1), kGuestName, kGuestTint, guestCar,
            guest);

  // Speeds: this player's on the left in red, the other's on the right in blue.
  for (const auto& [text, right, colour] :
       {std::tuple{kMySpeed, split, kMine}, std::tuple{kTheirSpeed, kRight, kTheirs}}) {
    const QRectF r = column(text, right).adjusted(0, -1, 0, 2);
    well(p, r, colour);
    markBar(p, QRectF(text.left(), text.top(), text.width(), 20), colour);
    carBadge(p, QPointF(r.right() - 9, r.top() + 11), 16, colour);
  }
  // The speed message slot.
  well(p, column(kMessage, kRight), QColor(0x4a, 0x4c, 0x5c), 3);
  // Turbo, both players', and the time; the captions sit in the wells too.
  const struct {
    QRectF text;
    double right;
    QColor colour;
    bool car;
  } lower[] = {{kMyTurbo, kTheirTurbo.left() - kPad - 2, kMine, true},
               {kTheirTurbo, kTime.left() - kPad - 2, kTheirs, true},
               {kTime, kRight, pal::kSkyGold, false}};
  for (const auto& w : lower) {
    const QRectF r = column(w.text, w.right).adjusted(0, -21, 0, 1);
    well(p, r, w.colour);
    if (w.car) carBadge(p, QPointF(r.right() - 9, r.top() + 10), 14, w.colour);
  }

  // A bezel down the panel's left edge, and its foot.
  p.fillRect(QRectF(kPanel.left(), 0, 3, kPanel.bottom()),
             gradient({kPanel.left(), 0}, {kPanel.left() + 3, 0},
                      {{0.0, QColor(0x06, 0x06, 0x0a)}, {1.0, QColor(0x30, 0x32, 0x42)}}));
  p.setPen(QPen(QColor(255, 255, 255, 36), 1.0));
  p.drawLine(QPointF(kPanel.left(), kPanel.bottom() - 0.5),
             QPointF(kPanel.right(), kPanel.bottom() - 0.5));
}

void chat(QPainter& p) {
  // The two chat lines: the other player's above, this player's below.
  for (const auto& [r, colour] : {std::pair{kTheirChat, kTheirs}, std::pair{kMyChat, kMine}}) {
    p.setPen(QPen(QColor(255, 255, 255, 22), 1.0));
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(column(r, kRight).adjusted(0, 0.5, 0, -0.5), 3, 3);
    markBar(p, r, colour);
  }
  // The key help on a strip of its own.
  p.fillRect(kKeyStrip, gradient(kKeyStrip.topLeft(), kKeyStrip.bottomLeft(),
                                 {{0.0, kPanelTint.lighter(112)}, {1.0, kPanelTint}}));
  p.setPen(QPen(QColor(255, 255, 255, 36), 1.0));
  p.drawLine(QPointF(kKeyStrip.left(), kKeyStrip.top() + 0.5),
             QPointF(kKeyStrip.right(), kKeyStrip.top() + 0.5));
}

void netBackground(QPainter& p, Side side) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.fillRect(QRectF(0, 0, kWinW, kWinH), kNight);
  drawVerge(p, QRectF(0, 0, kTrack.left(), kWinH), false);
  drawVerge(p, QRectF(kTrack.right(), 0, kPanel.left() - 2 - kTrack.right(), kWinH), true);
  p.fillRect(QRectF(kTrack.left(), kTrack.bottom(), kTrack.width(), kWinH - kTrack.bottom()),
             QColor(0x1e, 0x1f, 0x2c));
  dashboard(p, side);
  chat(p);
  p.restore();
}

}  // namespace

void paintNetBackground(QPainter& p) { netBackground(p, Side::Unknown); }
void paintNetBackgroundHost(QPainter& p) { netBackground(p, Side::Host); }
void paintNetBackgroundGuest(QPainter& p) { netBackground(p, Side::Guest); }

}  // namespace art
