// The story's pictures: the cast's cards and the scenes on the title window.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <string>

#include "art.h"
#include "platform/qt/render.h"
#include "tests/support/art_pictures.h"
#include "ui/window.h"

using namespace art_pictures;

// --- The story ----------------------------------------------------------------------------------

namespace {

// A picture of the story and its size as drawn.
struct StoryPicture {
  const char* name;
  QSize native;
};

// The cast's character cards, shown beside the story box, and the picture
// after each stage.
const StoryPicture kCast[] = {{"portrait-halvard", {100, 130}},
                              {"portrait-mirelle", {100, 130}},
                              {"portrait-quellan", {100, 125}},
                              {"portrait-brisko", {100, 131}},
                              {"portrait-dorrin", {100, 130}}};
const StoryPicture kScenes[] = {{"scene-1", {557, 392}},
                                {"scene-2", {576, 323}},
                                {"scene-3", {570, 395}},
                                {"scene-4", {640, 480}},
                                {"scene-5", {576, 432}}};

}  // namespace

TEST(Catalog, StoryPicturesHaveTheirNativeSizes) {
  for (const StoryPicture& c : kCast) EXPECT_EQ(art::nativeSize(c.name), c.native) << c.name;
  for (const StoryPicture& s : kScenes) EXPECT_EQ(art::nativeSize(s.name), s.native) << s.name;
}

// --- The story on the title window ------------------------------------------------------------

namespace {

QColor titlePaper() {
  return platform::qt::toQColor(designed(designOf("Form1"), "Picture1").BackColor);
}

// The title window behind its elements while it shows `picture`: the picture
// area's own colour, and the picture drawn unscaled from the top-left corner.
QImage titleWindowShowing(const std::string& picture, int scale) {
  const QSize size = windowPixels(designOf("Form1"), scale);
  QImage window(size, QImage::Format_ARGB32);
  window.fill(titlePaper());
  QPainter p(&window);
  p.drawImage(0, 0, renderAt(picture, scale));
  p.end();
  return window;
}

// Where a scene's photo sits on its paper: whatever is not paper in the part
// of the picture the window shows above the story box, inside its outline.
QRect photoOf(const QImage& scene) {
  const ui::Design& d = designOf("Form1");
  const QColor paper = titlePaper();
  const int right = std::min(scene.width(), windowPixels(d, 1).width());
  const int bottom = std::min(scene.height(), pixelsOf(designed(d, "Text1"), 1).top());
  QRect photo;
  for (int y = 0; y < bottom; ++y) {
    for (int x = 0; x < right; ++x) {
      if (colourDistance(scene.pixelColor(x, y), paper) > 40) photo |= QRect(x, y, 1, 1);
    }
  }
  return photo.adjusted(3, 3, -3, -3);
}

}  // namespace

TEST(StoryPictures, PaperUnderTheStoryBoxAndTheLinks) {
  // The title and every scene lay the same light paper under the story box
  // and the two links, so the box looks the same on all six and the blue
  // links read.
  const ui::Design& d = designOf("Form1");
  for (const char* picture : {"title", "scene-1", "scene-2", "scene-3", "scene-4", "scene-5"}) {
    for (int scale : {1, 2}) {
      const QImage window = titleWindowShowing(picture, scale);
      const int m = 3 * scale;
      const Tone box =
          measure(window, pixelsOf(designed(d, "Text1"), scale).adjusted(-m, -m, m, m));
      EXPECT_GE(box.darkest, 0.6) << picture << " at " << scale << "x";
      EXPECT_GE(box.mean, 0.75) << picture << " at " << scale << "x";
      for (const char* link : {"Label1", "Label2"}) {
        const ui::Element& e = designed(d, link);
        const Tone under = measure(window, pixelsOf(e, scale));
        EXPECT_GE(contrast(under.darkest, luminance(platform::qt::toQColor(e.ForeColor))), 4.5)
            << link << " on " << picture << " at " << scale << "x";
      }
    }
  }
}

TEST(StoryPictures, PaperRunsOnToTheWindowEdgeWithoutASeam) {
  // Where a scene is narrower or shorter than the window, the picture area's
  // own colour shows; the scene's paper meets it there in the same colour.
  const ui::Design& d = designOf("Form1");
  const QColor paper = titlePaper();
  int edges = 0;
  for (const StoryPicture& s : kScenes) {
    for (int scale : {1, 2}) {
      const QImage image = renderAt(s.name, scale).convertToFormat(QImage::Format_ARGB32);
      const QSize window = windowPixels(d, scale);
      const int w = image.width(), h = image.height();
      int seams = 0;
      if (w < window.width()) {
        ++edges;
        for (int y = 0; y < std::min(h, window.height()); ++y)
          seams += colourDistance(image.pixelColor(w - 1, y), paper) > 3;
      }
      if (h < window.height()) {
        ++edges;
        for (int x = 0; x < std::min(w, window.width()); ++x)
          seams += colourDistance(image.pixelColor(x, h - 1), paper) > 3;
      }
      EXPECT_EQ(seams, 0) << s.name << " at " << scale << "x";
    }
  }
  EXPECT_GT(edges, 0) << "no scene is smaller than the window any more";
}

TEST(StoryPictures, SceneShowsAboveTheBandAndRoundThePortraits) {
  // The photo fills the window above the band, from the window's top to the
  // menu buttons, and the band starts below it.
  const ui::Design& d = designOf("Form1");
  const QRect buttons = pixelsOf(designed(d, "Command1"), 1);
  const QRect box = pixelsOf(designed(d, "Text1"), 1);
  const QRect portrait = pixelsOf(designed(d, "Image2"), 1);
  for (const StoryPicture& s : kScenes) {
    const QRect photo = photoOf(renderAt(s.name, 1));
    EXPECT_LE(photo.top(), portrait.top() - 20) << s.name;
    EXPECT_GE(photo.bottom(), buttons.bottom()) << s.name;
    EXPECT_LT(photo.bottom(), box.top()) << s.name;
    EXPECT_GE(photo.width(), windowPixels(d, 1).width() * 9 / 10) << s.name;
  }
}

class Scene : public testing::TestWithParam<int> {
 protected:
  const StoryPicture& scene() const { return kScenes[GetParam() - 1]; }
  QImage picture(int scale = 1) const { return renderAt(scene().name, scale); }
};

TEST_P(Scene, OpaqueOverItsWholeSize) {
  for (int scale : {1, 2}) {
    const QImage image = picture(scale);
    int holes = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) holes += qAlpha(image.pixel(x, y)) != 255;
    }
    EXPECT_EQ(holes, 0) << scene().name << " at " << scale << "x";
  }
}

INSTANTIATE_TEST_SUITE_P(Stages, Scene, testing::Values(1, 2, 3, 4, 5));
