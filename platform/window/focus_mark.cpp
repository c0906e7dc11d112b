#include "platform/window/focus_mark.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// An amber that stands out on the night and the day sky and on white boxes.
const QColor kMarkColour(255, 176, 0);
constexpr double kMarkWidthPx = 2;  // [form pixels]

// Focus that comes from the keyboard, or from the program on the user's
// behalf, rather than from a click or the window becoming active.
bool ByKeyboard(Qt::FocusReason reason) {
  return reason != Qt::MouseFocusReason && reason != Qt::ActiveWindowFocusReason &&
         reason != Qt::PopupFocusReason;
}

}  // namespace

FocusMark::FocusMark(QWidget& window) : QWidget(&window) {
  setObjectName(QStringLiteral("focusMark"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  qApp->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
  const bool focus_in = event->type() == QEvent::FocusIn;
  if (focus_in || event->type() == QEvent::FocusOut) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (control != nullptr && control != this && control->parentWidget() == parentWidget()) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      marked_ = focus_in && ByKeyboard(reason) ? control : nullptr;
      // Leaving for another window (a menu, a dialog) keeps the mark where it was.
      if (!focus_in && reason == Qt::ActiveWindowFocusReason) marked_ = control;
      Follow(scale_);
    }
  }
  return QWidget::eventFilter(watched, event);
}

int FocusMark::WidthPx() const {
  return std::max(1, static_cast<int>(std::lround(kMarkWidthPx * scale_)));
}

void FocusMark::Follow(double scale) {
  scale_ = scale;
  if (marked_ == nullptr || !marked_->isVisible()) {
    hide();
    return;
  }
  const int width = WidthPx();
  setGeometry(marked_->geometry().adjusted(-width, -width, width, width));
  raise();
  show();
  update();
}

void FocusMark::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const int width = WidthPx();
  QPen pen(kMarkColour, width);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  const double half = width / 2.0;
  painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

}  // namespace platform
