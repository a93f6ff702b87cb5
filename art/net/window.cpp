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
#include <tuple>
#include <utility>

#include "battle/team_colours.h"
#include "net/badges.h"
#include "style.h"

namespace art {
namespace {

using netrace::carBadge;
using netrace::youTag;

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

// The players: the red car is this player's, the blue car the other's; the
// name labels keep the host's pink and the guest's light blue.
const QColor& kMine = team::kRed;
const QColor& kTheirs = team::kBlue;
const QColor kHostTint{0xff, 0x78, 0x78}, kGuestTint{0x78, 0xaa, 0xff};
// The night round the track and the panel's blue steel.
const QColor kNight{0x10, 0x12, 0x1c}, kTrackFoot{0x1e, 0x1f, 0x2c};
const QColor kPanelTint{0x17, 0x1a, 0x2a}, kHeaderShade = shadowTint(70), kHairline = lightTint(40),
                                           kPanelFoot = lightTint(36);
const QColor kBezelEdge{0x06, 0x06, 0x0a}, kBezelLit{0x30, 0x32, 0x42};
// The readouts' wells and the chat lines.
const QColor kWellGlint = lightTint(24), kWellEdge = shadowTint(200), kWellTop{0x06, 0x07, 0x0d},
             kWellFoot{0x0c, 0x0d, 0x16}, kMessageWell{0x4a, 0x4c, 0x5c};
const QColor kChatRim = lightTint(22), kChatWell = shadowTint(90);

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
  p.setPen(QPen(kWellGlint, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path.translated(0, 1));
  p.setPen(QPen(kWellEdge, 1.2));
  p.setBrush(gradient(r.topLeft(), r.bottomLeft(), {{0.0, kWellTop}, {1.0, kWellFoot}}));
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
  if (you) youTag(p, badge - QPointF(24, 0), kMine);
}

enum class Side { Unknown, Host, Guest };

void dashboard(QPainter& p, Side side) {
  // The panel itself: dark blue steel with a faint weave, a bezel on its left.
  p.fillRect(kPanel, gradient(kPanel.topLeft(), kPanel.bottomLeft(),
                              {{0.0, kPanelTint.lighter(118)}, {1.0, kPanelTint}}));
  carbonWeave(p, kPanel, 20);
  // The status line sits on a header strip.
  p.fillRect(QRectF(kPanel.left(), 0, kPanel.width(), kStatus.bottom() + 1), kHeaderShade);
  p.setPen(QPen(kHairline, 1.0));
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
  well(p, column(kMessage, kRight), kMessageWell, 3);
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
  p.fillRect(
      QRectF(kPanel.left(), 0, 3, kPanel.bottom()),
      gradient({kPanel.left(), 0}, {kPanel.left() + 3, 0}, {{0.0, kBezelEdge}, {1.0, kBezelLit}}));
  p.setPen(QPen(kPanelFoot, 1.0));
  p.drawLine(QPointF(kPanel.left(), kPanel.bottom() - 0.5),
             QPointF(kPanel.right(), kPanel.bottom() - 0.5));
}

void chat(QPainter& p) {
  // The two chat lines: the other player's above, this player's below.
  for (const auto& [r, colour] : {std::pair{kTheirChat, kTheirs}, std::pair{kMyChat, kMine}}) {
    p.setPen(QPen(kChatRim, 1.0));
    p.setBrush(kChatWell);
    p.drawRoundedRect(column(r, kRight).adjusted(0, 0.5, 0, -0.5), 3, 3);
    markBar(p, r, colour);
  }
  // The key help on a strip of its own.
  p.fillRect(kKeyStrip, gradient(kKeyStrip.topLeft(), kKeyStrip.bottomLeft(),
                                 {{0.0, kPanelTint.lighter(112)}, {1.0, kPanelTint}}));
  p.setPen(QPen(kPanelFoot, 1.0));
  p.drawLine(QPointF(kKeyStrip.left(), kKeyStrip.top() + 0.5),
             QPointF(kKeyStrip.right(), kKeyStrip.top() + 0.5));
}

void netBackground(QPainter& p, Side side) {
  antialiased(p, [&] {
    p.fillRect(QRectF(0, 0, kWinW, kWinH), kNight);
    drawVerge(p, QRectF(0, 0, kTrack.left(), kWinH), false);
    drawVerge(p, QRectF(kTrack.right(), 0, kPanel.left() - 2 - kTrack.right(), kWinH), true);
    p.fillRect(QRectF(kTrack.left(), kTrack.bottom(), kTrack.width(), kWinH - kTrack.bottom()),
               kTrackFoot);
    dashboard(p, side);
    chat(p);
  });
}

}  // namespace

void paintNetBackground(QPainter& p) { netBackground(p, Side::Unknown); }
void paintNetBackgroundHost(QPainter& p) { netBackground(p, Side::Host); }
void paintNetBackgroundGuest(QPainter& p) { netBackground(p, Side::Guest); }

}  // namespace art
