#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "app/controls.h"
#include "platform/qt/painter_surface.h"

namespace platform {

// Where the form stands in a window of any size: its client area of
// 1040 × 640 logical pixels (15 twips each) scaled alike to the largest size
// that fits the window, centred; the margins show the sky.
class FormScale {
 public:
  FormScale() = default;  // the form at its own size, at the window's top left

  // Given: the window's inside [logical pixels].
  static FormScale Fitting(QSize window);

  double Scale() const { return scale_; }    // window pixels per form pixel
  QPoint Origin() const { return origin_; }  // the form's top left in the window
  // The whole form in the window.
  QRect FormRect() const;
  // Given: a control's bounds [twips]. Returned: its rectangle in the window,
  // each edge rounded to a whole pixel, so that neighbours stay neighbours.
  QRect Map(const app::Bounds& bounds) const;
  // Given: a length of the form [logical pixels]. Returned: whole window pixels, at least 1.
  int Pixels(double form_pixels) const;

 private:
  FormScale(double scale, QPoint origin) : scale_(scale), origin_(origin) {}
  double scale_ = 1;
  QPoint origin_;
};

// Given: the room the screen offers a window, less its frame [logical pixels].
// Returned: the window's inside at start: the form's own size where it fits,
// else the largest size of the form's shape that does.
QSize OpeningSize(QSize room);

}  // namespace platform
