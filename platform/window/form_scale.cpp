#include "platform/window/form_scale.h"

#include <algorithm>
#include <cmath>

#include "app/screen_units.h"

namespace platform {
namespace {

int Round(double value) {
  return static_cast<int>(std::lround(value));
}

}  // namespace

FormScale FormScale::Fitting(QSize window) {
  const double scale = std::max(std::min(double(window.width()) / kFormSizePx.width(),
                                         double(window.height()) / kFormSizePx.height()),
                                0.1);
  const QPoint origin((window.width() - Round(kFormSizePx.width() * scale)) / 2,
                      (window.height() - Round(kFormSizePx.height() * scale)) / 2);
  return FormScale(scale, origin);
}

QRect FormScale::FormRect() const {
  return QRect(origin_,
               QSize(Round(kFormSizePx.width() * scale_), Round(kFormSizePx.height() * scale_)));
}

QRect FormScale::Map(const app::Bounds& b) const {
  const auto edge = [this](int twips) { return Round(app::PixelsFromTwips(twips) * scale_); };
  const int left = edge(b.left), top = edge(b.top);
  return QRect(origin_.x() + left, origin_.y() + top, edge(b.left + b.width) - left,
               edge(b.top + b.height) - top);
}

int FormScale::Pixels(double form_pixels) const {
  return std::max(1, Round(form_pixels * scale_));
}

QSize OpeningSize(QSize room) {
  if (room.width() >= kFormSizePx.width() && room.height() >= kFormSizePx.height()) {
    return kFormSizePx;
  }
  return kFormSizePx.scaled(room.boundedTo(kFormSizePx), Qt::KeepAspectRatio);
}

}  // namespace platform
