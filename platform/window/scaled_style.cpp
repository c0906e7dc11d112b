#include "platform/window/scaled_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>
#include <cmath>

namespace platform {
namespace {

// The scale of the form a widget belongs to; 1 outside a scaled window.
double FormScaleOf(const QWidget* widget) {
  if (widget == nullptr) return 1;
  const QVariant scale = widget->window()->property(kFormScaleProperty);
  return scale.isValid() ? scale.toDouble() : 1;
}

bool ScalesWithTheForm(QStyle::PixelMetric metric) {
  switch (metric) {
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_CheckBoxLabelSpacing:
    case QStyle::PM_RadioButtonLabelSpacing:
    case QStyle::PM_ScrollBarExtent:
    case QStyle::PM_ScrollBarSliderMin:
    case QStyle::PM_DefaultFrameWidth:
    case QStyle::PM_FocusFrameHMargin:
    case QStyle::PM_FocusFrameVMargin:
      return true;
    default:
      return false;
  }
}

}  // namespace

ScaledStyle::ScaledStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
  const int base = QProxyStyle::pixelMetric(metric, option, widget);
  const double scale = FormScaleOf(widget);
  if (scale == 1 || !ScalesWithTheForm(metric)) return base;
  return std::max(1, static_cast<int>(std::lround(base * scale)));
}

void InstallScaledStyle() {
  QApplication::setStyle(new ScaledStyle);
}

}  // namespace platform
