// Every picture the game shows is drawn here, in code, for this game.
//
// A picture has a name (the `Picture` property of an element), a native size
// in pixels at scale 1, and a painter function that draws it in those native
// pixel coordinates. The desktop driver asks for a picture at the pixel size
// it needs; drawing is vector-based, so pictures stay crisp at every scale.
#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <string>
#include <vector>

class QPainter;

namespace art {

struct PictureDef {
  std::string name;
  int width = 0;  // native size in pixels
  int height = 0;
  std::function<void(QPainter&)> paint;  // draws in native coordinates
};

// All pictures of the game, in a stable order.
const std::vector<PictureDef>& catalog();

// The native size of a picture; an invalid QSize for an unknown name.
QSize nativeSize(const std::string& name);

// Draws `name` stretched to `target` pixels. An unknown name gives a
// transparent image. A picture with no see-through pixel comes without
// alpha (RGB32), the others premultiplied. Results are cached, so repeated
// calls are cheap.
QImage render(const std::string& name, QSize target);

}  // namespace art
