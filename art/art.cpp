#include "art.h"

#include <QPainter>
#include <initializer_list>
#include <map>
#include <mutex>
#include <string>
#include <tuple>

#include "style.h"

namespace art {

namespace {

using Painter = void (*)(QPainter&);

struct Named {
  const char* name;
  Painter paint;
};

// Pictures that share one size: the cars on a road all fit the same lane,
// the windows of one kind are all as big as the window.
void addSized(std::vector<PictureDef>& all, int w, int h, std::initializer_list<Named> pictures) {
  for (const Named& n : pictures) all.push_back({n.name, w, h, n.paint});
}

// One picture for each stage, 1 to 5, named `family`-1 to `family`-5.
void addStages(std::vector<PictureDef>& all, const std::string& family, int w, int h,
               void (*paint)(QPainter&, int)) {
  for (int stage = 1; stage <= 5; ++stage) {
    all.push_back({family + "-" + std::to_string(stage), w, h,
                   [paint, stage](QPainter& p) { paint(p, stage); }});
  }
}

std::vector<PictureDef> buildCatalog() {
  std::vector<PictureDef> all;
  addSized(all, 640, 480, {{"title", paintTitle}, {"help", paintHelp}});
  addSized(all, 256, 256, {{"icon", paintIcon}});
  addSized(all, 320, 213, {{"setup", paintSetup}});
  addStages(all, "road", 249, 345, paintRoad);
  addStages(all, "stage-bg", 592, 345, paintStageBackground);
  addSized(all, 265, 51, {{"finish-banner", paintFinishBanner}});
  addSized(all, 124, 135, {{"roadside", paintRoadside}});
  addSized(all, 24, 34,
           {{"car-player", paintCarPlayer},
            {"car-rival-1", paintCarRival1},
            {"car-rival-2", paintCarRival2},
            {"car-rival-3", paintCarRival3},
            {"car-slow", paintCarSlow},
            {"car-pro-normal", paintCarProNormal},
            {"car-pro-trun", paintCarProTurn},
            {"car-pro-speed2", paintCarProSpeed}});

  // Skyforge, the bonus shooter: each sprite at its own size.
  all.insert(all.end(), {
                            {"bonus-bg", 640, 480, paintBonusBackground},
                            {"bonus-ship-1", 81, 74, paintBonusShipOne},
                            {"bonus-ship-2", 84, 78, paintBonusShipTwo},
                        });
  addSized(all, 72, 38, {{"bonus-shot-1", paintBonusShotOne}, {"bonus-shot-2", paintBonusShotTwo}});
  all.insert(all.end(), {
                            {"bonus-wall", 96, 114, paintBonusWall},
                            {"bonus-wall-missile", 43, 28, paintBonusWallMissile},
                            {"bonus-aimed-missile", 60, 57, paintBonusAimedMissile},
                            {"bonus-boss", 116, 108, paintBonusBoss},
                            {"bonus-boss-shot", 34, 30, paintBonusBossShot},
                            {"bonus-dead", 48, 48, paintBonusDead},
                        });

  // The story: the cast's cards, a little taller or shorter by character,
  // and the picture after each stage, each framed to suit its view.
  addSized(
      all, 100, 130,
      {{"portrait-halvard", paintPortraitHalvard}, {"portrait-mirelle", paintPortraitMirelle}});
  addSized(all, 100, 125, {{"portrait-quellan", paintPortraitQuellan}});
  addSized(all, 100, 131, {{"portrait-brisko", paintPortraitBrisko}});
  addSized(all, 100, 130, {{"portrait-dorrin", paintPortraitDorrin}});
  constexpr int kSceneSizes[5][2] = {{557, 392}, {576, 323}, {570, 395}, {640, 480}, {576, 432}};
  for (int stage = 1; stage <= 5; ++stage) {
    all.push_back({"scene-" + std::to_string(stage), kSceneSizes[stage - 1][0],
                   kSceneSizes[stage - 1][1], [stage](QPainter& p) { paintScene(p, stage); }});
  }

  // The two-player battle and the network race.
  addSized(all, 574, 349,
           {{"battle-bg", paintBattleBackground},
            {"net-bg", paintNetBackground},
            {"net-bg-host", paintNetBackgroundHost},
            {"net-bg-guest", paintNetBackgroundGuest}});
  addSized(all, 249, 345, {{"battle-road", paintBattleRoad}});
  addSized(all, 24, 34,
           {{"battle-car-red", paintBattleCarRed},
            {"battle-car-blue", paintBattleCarBlue},
            {"battle-car-gold", paintBattleCarGold},
            {"battle-rival-1", paintBattleRival1},
            {"battle-rival-2", paintBattleRival2}});
  addSized(all, 41, 71,
           {{"battle-missile-red", paintBattleMissileRed},
            {"battle-missile-blue", paintBattleMissileBlue}});
  addSized(all, 12, 71, {{"battle-lane", paintBattleLane}});
  addSized(all, 265, 51, {{"battle-finish", paintBattleFinish}});
  addSized(all, 61, 83, {{"battle-deco", paintBattleDeco}});
  addSized(all, 29, 34,
           {{"marker-blue-ahead", paintMarkerBlueAhead},
            {"marker-blue-behind", paintMarkerBlueBehind},
            {"marker-red-ahead", paintMarkerRedAhead},
            {"marker-red-behind", paintMarkerRedBehind}});
  return all;
}

}  // namespace

const std::vector<PictureDef>& catalog() {
  static const std::vector<PictureDef> pictures = buildCatalog();
  return pictures;
}

namespace {

const PictureDef* find(const std::string& name) {
  for (const PictureDef& def : catalog()) {
    if (def.name == name) return &def;
  }
  return nullptr;
}

}  // namespace

QSize nativeSize(const std::string& name) {
  const PictureDef* def = find(name);
  return def ? QSize(def->width, def->height) : QSize();
}

QImage render(const std::string& name, QSize target) {
  if (target.isEmpty()) return QImage();

  using Key = std::tuple<std::string, int, int>;
  static std::mutex mutex;
  static std::map<Key, QImage> cache;
  const Key key{name, target.width(), target.height()};
  {
    std::lock_guard<std::mutex> lock(mutex);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
  }

  QImage image(target, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const PictureDef* def = find(name);
  if (def && def->width > 0 && def->height > 0) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.scale(static_cast<double>(target.width()) / def->width,
                  static_cast<double>(target.height()) / def->height);
    def->paint(painter);
  }

  // A picture with no see-through pixel, such as a road or a backdrop, is
  // kept without its alpha: the pixels are the same, and it is copied onto a
  // window rather than blended pixel by pixel.
  bool opaque = true;
  for (int y = 0; y < image.height() && opaque; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width() && opaque; ++x) opaque = qAlpha(row[x]) == 255;
  }
  if (opaque) image.convertTo(QImage::Format_RGB32);

  std::lock_guard<std::mutex> lock(mutex);
  return cache.emplace(key, image).first->second;
}

}  // namespace art
