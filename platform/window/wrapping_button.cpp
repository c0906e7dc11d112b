#include "platform/window/wrapping_button.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace platform {
namespace {

// The caption keeps clear of the button's 2-pixel bevel, and at the sides of
// the focus frame 2 pixels inside it.
constexpr int kBevelPx = 2;
constexpr int kCaptionSideMarginPx = 4;

QStringList BreakLines(const QFont& font, const QString& text, int width_px) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width_px);
    lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
  }
  layout.endLayout();
  return lines;
}

bool Fits(const ButtonCaption& caption, int width_px, int height_px) {
  const QFontMetrics metrics(caption.font);
  const auto line_count = static_cast<int>(caption.lines.size());
  return line_count <= kButtonCaptionLines && line_count * metrics.height() <= height_px &&
         std::ranges::all_of(caption.lines, [&](const QString& line) {
           return metrics.horizontalAdvance(line) <= width_px;
         });
}

}  // namespace

ButtonCaption LayOutButtonCaption(const QFont& font, const QString& text, int width_px,
                                  int height_px, int smallest_px) {
  ButtonCaption caption{font, BreakLines(font, text, width_px)};
  while (caption.font.pixelSize() > smallest_px && !Fits(caption, width_px, height_px)) {
    caption.font.setPixelSize(caption.font.pixelSize() - 1);
    caption.lines = BreakLines(caption.font, text, width_px);
  }
  return caption;
}

QRect WrappingButton::CaptionRect() const {
  return rect().adjusted(kCaptionSideMarginPx, kBevelPx, -kCaptionSideMarginPx, -kBevelPx);
}

ButtonCaption WrappingButton::Caption() const {
  const QRect inside = CaptionRect();
  return LayOutButtonCaption(font(), text(), inside.width(), inside.height(), smallest_caption_px_);
}

void WrappingButton::SetSmallestCaptionPx(int pixels) {
  if (smallest_caption_px_ == pixels) return;
  smallest_caption_px_ = pixels;
  update();
}

void WrappingButton::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
    animateClick();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void WrappingButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();  // bevel and focus frame only; the caption follows
  painter.drawControl(QStyle::CE_PushButton, option);

  QRect inside = CaptionRect();
  if (isDown() || isChecked()) {
    inside.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                     style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  }
  const ButtonCaption caption = Caption();
  painter.setFont(caption.font);
  painter.drawItemText(inside, Qt::AlignCenter, palette(), isEnabled(),
                       caption.lines.join(QLatin1Char('\n')), QPalette::ButtonText);
}

}  // namespace platform
