// What every road picture is painted with, the stage roads and the arena
// road of the battle alike: bands mirrored on both sides, grain streaked
// along the road, tar-sealed joints, and the chequered finish line with its
// tyre scuffs.
#pragma once

#include <QPainter>
#include <initializer_list>

#include "draw.h"

namespace art::road {

// Does `draw(x0, x1)` for the band [x0, x1] and its mirror on the right side
// of a road `width` wide.
template <typename Draw>
void bothSides(double width, double x0, double x1, Draw draw) {
  draw(x0, x1);
  draw(width - x1, width - x0);
}

// Fine grain streaked along a road `width` x `height`: `count` flecks, most
// dark (their alpha from `darkAlpha`), a third light.
void grain(QPainter& p, Dice& dice, int count, double width, double height, int darkAlpha);

// Long sealed joints down the road at each x, tar-dark at `alpha`, wandering
// only slightly: bowing one way by `bendTop` and back by `bendBottom`.
void sealedJoints(QPainter& p, std::initializer_list<double> xs, int alpha, double bendTop,
                  double bendBottom, double height);

// Rows of black and white chequers `cell` square, from `top` across `width`;
// `firstBlack` is the column of the first black square in the top row.
void chequers(QPainter& p, double width, double top, double cell, int rows, int firstBlack);

// Tyres' scuffs darkening the line along the wheel tracks at each x.
void tyreScuffs(QPainter& p, std::initializer_list<double> xs, double half, double height);

// Ink along both long edges of a strip, so it sits on any road.
void inkEdges(QPainter& p, double width, double height);

}  // namespace art::road
