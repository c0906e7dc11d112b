#include "platform/window/object_panel.h"

#include <QFontMetrics>
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
  setTextFormat(Qt::PlainText);
  hide();
}

void ObjectPanel::ShowBeside(const QString& text, QPoint object, int clearance, double scale) {
  setFont(ControlFont(app::Font{"", kPanelPoints, false}, std::max(1.0, scale)));
  setText(text);
  const QRect room =
      parentWidget()->rect().adjusted(kEdgeMarginPx, kEdgeMarginPx, -kEdgeMarginPx, -kEdgeMarginPx);
  // One line where the window is wide enough, wrapped where it is not; the
  // label itself, polished with its style, says how large its words are.
  setWordWrap(false);
  ensurePolished();
  int width = sizeHint().width();
  int height = sizeHint().height();
  if (width > room.width()) {
    setWordWrap(true);
    width = room.width();
    height = heightForWidth(width);
  }
  const int left = std::clamp(object.x() - width / 2, room.left(), room.right() + 1 - width);
  int top = object.y() - clearance - height;
  if (top < room.top()) top = object.y() + std::max(clearance, kPointerHeightPx);
  setGeometry(left, std::min(top, room.bottom() + 1 - height), width, height);
  raise();
  show();
}

}  // namespace platform
