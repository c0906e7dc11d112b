#pragma once

#include <QProxyStyle>

class QWidget;

namespace platform {

// The Fusion style, with the parts the style sizes itself (check and option
// indicators and their spacing, scroll bars, frames) scaled with the form, so
// that the whole form scales alike. A window says its scale through the
// dynamic property kFormScaleProperty; at scale 1, and in any other window,
// the style is plain Fusion.
class ScaledStyle final : public QProxyStyle {
 public:
  ScaledStyle();
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
};

inline constexpr const char* kFormScaleProperty = "formScale";

// Makes ScaledStyle the application's style: once, after the application
// object exists and before any widget does.
void InstallScaledStyle();

}  // namespace platform
