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
