#include "platform/window/object_panel.h"

#include <QFontMetrics>
#include <QSize>
#include <algorithm>

#include "app/controls.h"
#include "platform/qt/fonts.h"

namespace platform {
namespace {

constexpr double kPanelPoints = 12;   // the readout's size, at the form's own scale
constexpr int kEdgeMarginPx = 4;      // [window pixels] kept from the window's edges
constexpr int kPointerHeightPx = 24;  // [window pixels] the mouse pointer below its tip

}  // namespace

ObjectPanel::ObjectPanel(QWidget& window) : QLabel(&window) {
  setObjectName(QStringLiteral("objectPanel"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setAutoFillBackground(true);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setMargin(4);
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  hide();
}

void ObjectPanel::ShowBeside(const QString& text, QPoint object, int clearance, double scale) {
  setFont(ControlFont(app::Font{"", kPanelPoints, false}, std::max(1.0, scale)));
  setText(text);
  const QRect room =
      parentWidget()->rect().adjusted(kEdgeMarginPx, kEdgeMarginPx, -kEdgeMarginPx, -kEdgeMarginPx);
  // The box the label lays its words out in, wrapped only where the window is too narrow.
  const int frame = 2 * (margin() + frameWidth());
  const QSize words =
      fontMetrics()
          .boundingRect(QRect(0, 0, room.width() - frame, room.height()), Qt::TextWordWrap, text)
          .size();
  const int width = std::min(words.width() + frame, room.width());
  const int height = words.height() + frame;
  const int left = std::clamp(object.x() - width / 2, room.left(), room.right() + 1 - width);
  int top = object.y() - clearance - height;
  if (top < room.top()) top = object.y() + std::max(clearance, kPointerHeightPx);
  setGeometry(left, std::min(top, room.bottom() + 1 - height), width, height);
  raise();
  show();
}

}  // namespace platform
