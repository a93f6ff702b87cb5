#include "art.h"

#include <QPainter>
#include <map>
#include <mutex>
#include <tuple>

#include "style.h"

namespace art {

const std::vector<PictureDef>& catalog() {
  static const std::vector<PictureDef> pictures = {
      {"title", 640, 480, paintTitle},
      {"help", 640, 480, paintHelp},
      {"icon", 256, 256, paintIcon},
      {"setup", 320, 213, paintSetup},
      {"road-1", 249, 345, [](QPainter& p) { paintRoad(p, 1); }},
      {"road-2", 249, 345, [](QPainter& p) { paintRoad(p, 2); }},
      {"road-3", 249, 345, [](QPainter& p) { paintRoad(p, 3); }},
      {"road-4", 249, 345, [](QPainter& p) { paintRoad(p, 4); }},
      {"road-5", 249, 345, [](QPainter& p) { paintRoad(p, 5); }},
      {"stage-bg-1", 592, 345, [](QPainter& p) { paintStageBackground(p, 1); }},
      {"stage-bg-2", 592, 345, [](QPainter& p) { paintStageBackground(p, 2); }},
      {"stage-bg-3", 592, 345, [](QPainter& p) { paintStageBackground(p, 3); }},
      {"stage-bg-4", 592, 345, [](QPainter& p) { paintStageBackground(p, 4); }},
      {"stage-bg-5", 592, 345, [](QPainter& p) { paintStageBackground(p, 5); }},
      {"finish-banner", 265, 51, paintFinishBanner},
      {"roadside", 124, 135, paintRoadside},
      {"car-player", 24, 34, paintCarPlayer},
      {"car-rival-1", 24, 34, paintCarRival1},
      {"car-rival-2", 24, 34, paintCarRival2},
      {"car-rival-3", 24, 34, paintCarRival3},
      {"car-slow", 24, 34, paintCarSlow},
      {"car-pro-normal", 24, 34, paintCarProNormal},
      {"car-pro-trun", 24, 34, paintCarProTurn},
      {"car-pro-speed2", 24, 34, paintCarProSpeed},
      {"bonus-bg", 640, 480, paintBonusBackground},
      {"bonus-ship-1", 81, 74, paintBonusShipOne},
      {"bonus-ship-2", 84, 78, paintBonusShipTwo},
      {"bonus-shot-1", 72, 38, paintBonusShotOne},
      {"bonus-shot-2", 72, 38, paintBonusShotTwo},
      {"bonus-wall", 96, 114, paintBonusWall},
      {"bonus-wall-missile", 43, 28, paintBonusWallMissile},
      {"bonus-aimed-missile", 60, 57, paintBonusAimedMissile},
      {"bonus-boss", 116, 108, paintBonusBoss},
      {"bonus-boss-shot", 34, 30, paintBonusBossShot},
      {"bonus-dead", 48, 48, paintBonusDead},
      {"portrait-halvard", 100, 130, paintPortraitHalvard},
      {"portrait-mirelle", 100, 130, paintPortraitMirelle},
      {"portrait-quellan", 100, 125, paintPortraitQuellan},
      {"portrait-brisko", 100, 131, paintPortraitBrisko},
      {"portrait-dorrin", 100, 130, paintPortraitDorrin},
      {"scene-1", 557, 392, [](QPainter& p) { paintScene(p, 1); }},
      {"scene-2", 576, 323, [](QPainter& p) { paintScene(p, 2); }},
      {"scene-3", 570, 395, [](QPainter& p) { paintScene(p, 3); }},
      {"scene-4", 640, 480, [](QPainter& p) { paintScene(p, 4); }},
      {"scene-5", 576, 432, [](QPainter& p) { paintScene(p, 5); }},
      {"battle-bg", 574, 349, paintBattleBackground},
      {"net-bg", 574, 349, paintNetBackground},
      {"net-bg-host", 574, 349, paintNetBackgroundHost},
      {"net-bg-guest", 574, 349, paintNetBackgroundGuest},
      {"battle-road", 249, 345, paintBattleRoad},
      {"battle-car-red", 24, 34, paintBattleCarRed},
      {"battle-car-blue", 24, 34, paintBattleCarBlue},
      {"battle-car-gold", 24, 34, paintBattleCarGold},
      {"battle-rival-1", 24, 34, paintBattleRival1},
      {"battle-rival-2", 24, 34, paintBattleRival2},
      {"battle-missile-red", 41, 71, paintBattleMissileRed},
      {"battle-missile-blue", 41, 71, paintBattleMissileBlue},
      {"battle-lane", 12, 71, paintBattleLane},
      {"battle-finish", 265, 51, paintBattleFinish},
      {"battle-deco", 61, 83, paintBattleDeco},
      {"marker-blue-ahead", 29, 34, paintMarkerBlueAhead},
      {"marker-blue-behind", 29, 34, paintMarkerBlueBehind},
      {"marker-red-ahead", 29, 34, paintMarkerRedAhead},
      {"marker-red-behind", 29, 34, paintMarkerRedBehind},
  };
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

  std::lock_guard<std::mutex> lock(mutex);
  return cache.emplace(key, image).first->second;
}

}  // namespace art
