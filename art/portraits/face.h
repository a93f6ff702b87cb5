// The face every character card is built on: a three-quarter view turned
// towards the right, cel-shaded with one shadow tone, lit from the side the
// character faces, large anime eyes and the house ink line. A character's
// face is a table of numbers: where the far side of the face runs, and how
// the eyes and brows sit.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace art::portrait {

struct Skin {
  QColor tone;
  QColor shade;  // the one cel-shadow tone
};

// The far side of the face, where it meets the background.
struct Profile {
  QPointF brow;   // the far brow on the outline
  QPointF cheek;  // the far cheekbone
  QPointF chin;
  QPointF jaw;  // where the jaw line meets the neck under the ear
};

struct Eyes {
  QColor iris;
  double y = 56;
  double height = 8.5;      // of the eye opening
  double lid = 0;           // how far the upper lid has come down, 0 to 0.5
  double irisShift = 0.14;  // where the eyes look, as a fraction of the eye's width
};

struct Brows {
  QColor colour;
  double lift = 6.5;  // height above the eye centre
  double tilt = 0;    // positive lowers the inner ends: a fierce look
  double weight = 1.6;
  double arch = 1.2;
};

struct Face {
  Skin skin;
  Profile profile;
  Eyes eyes;
  Brows brows;
};

// The near eye sits left of the nose, the far one is foreshortened towards
// the face's outline on the right.
inline constexpr double kNearEyeX = 47;
inline constexpr double kFarEyeX = 62.5;

enum class Mouth {
  kGrin,       // wide and open, top teeth showing
  kHappy,      // a small open smile
  kHalfSmile,  // a calm line lifted at the far corner
  kSoftSmile,  // closed and rueful, with a laugh line
  kSmirk,      // one corner up over a sharp canine
};

QPainterPath facePath(const Face& f);

// The neck, with the jaw's shadow down the throat.
void paintNeck(QPainter& p, const Face& f);

// The skin of the face with its cel shadows: down the back of the face
// beside the ear, and under the hair (`fringe`) along the forehead; with
// `blush`, pink on the cheeks.
void paintSkin(QPainter& p, const Face& f, const QPainterPath& fringe, bool blush = false);

void paintEar(QPainter& p, const Face& f);
void paintEyes(QPainter& p, const Face& f);
void paintNose(QPainter& p, const Face& f);
void paintMouth(QPainter& p, const Face& f, Mouth mouth);

// The whole face in its usual order: skin, ear, eyes, nose and mouth.
void paintFace(QPainter& p, const Face& f, const QPainterPath& fringe, Mouth mouth,
               bool blush = false);

// A short line of expression (a crease, a wrinkle) drawn in the skin's
// deeper shade from `a`, bowed towards `c`, to `b`.
void paintCrease(QPainter& p, const Face& f, QPointF a, QPointF c, QPointF b, int darker = 130);

}  // namespace art::portrait
