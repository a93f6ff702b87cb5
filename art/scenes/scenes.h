// The pictures the story shows after each stage, and what they share: the
// cars in profile and head-on, the Vantor crew, glows and twinkles of light.
//
// Each scene is drawn in its own pixels, as the window would show it bare,
// from the top-left corner; paintScene mounts it on paper as a photo.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <numbers>

#include "draw.h"

namespace art::scene {

inline constexpr double kPi = std::numbers::pi;

// The five scenes: the countryside heat won, side by side with Quellan on the
// coast road at sunset, facing Brisko under the city's neon, the Ultrapex in
// the mountain rain with Dorrin behind, and the floodlit podium after the
// final.
void paintCountryside(QPainter& p);
void paintCoast(QPainter& p);
void paintCity(QPainter& p);
void paintMountain(QPainter& p);
void paintPodium(QPainter& p);

// --- Light ---

// A soft round glow, brightest in the middle.
void glow(QPainter& p, QPointF c, double r, const QColor& colour, int alpha = 200);
// A four-pointed twinkle.
void twinkle(QPainter& p, QPointF c, double s, const QColor& colour);

// --- The cars ---

struct Livery {
  QColor body;
  QColor accent;  // stripes or spine
  QColor trim;    // pinstripes, wing and splitter
  int number = 0;
};

// The cars the story follows.
namespace livery {
inline const Livery kPlayer{pal::kCarRed, pal::kWhite, pal::kWhite, 7};
inline const Livery kUltrapex{QColor(0xf0b83c), QColor(0x17161f), pal::kWhite};
}  // namespace livery

// A race number painted as strokes, `h` pixels tall round `c`.
QPainterPath numberPath(int digit, QPointF c, double h);

// A race car in profile, the rear wheel's ground point at `rear`, `length`
// pixels from tail to nose, facing right (`facing` = 1) or left (-1).
// `rim` is the colour of the light catching its upper edges.
void sideCar(QPainter& p, QPointF rear, double length, int facing, const Livery& l, bool spinning,
             const QColor& rim = QColor(255, 255, 255, 150));

// Speed streaks trailing behind a car moving to the right.
void speedLines(QPainter& p, QRectF area, int count, std::uint32_t seed, const QColor& colour);

// A car seen head-on, its ground line centred at `base`, `width` pixels
// across the wheels. With the lamps lit the beams reach out to the viewer;
// `spine` paints one broad stripe over the middle in place of two thin ones.
void frontCar(QPainter& p, QPointF base, double width, const Livery& l, bool lampsOn, bool spine);

// --- The Vantor team ---

// The Vantor chevron, `s` pixels tall round `c`.
QPainterPath vantorChevron(QPointF c, double s);

// A team member seen from behind, arms reaching to `leftHand` and
// `rightHand`: `head` is the centre of the head, `s` its radius, `bottom`
// where the body leaves the picture.
void crewMember(QPainter& p, QPointF head, double s, double bottom, const QColor& shirt,
                const QColor& hair, QPointF leftHand, QPointF rightHand, bool cap = false);

}  // namespace art::scene
