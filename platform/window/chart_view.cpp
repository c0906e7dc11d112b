#include "platform/window/chart_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/form.h"
#include "app/screen_units.h"
#include "app/zoom_steps.h"
#include "platform/qt/chart_picture.h"

namespace platform {
namespace {

// How far the panel keeps from the centre of the object it names: the
// largest disc (the Moon's, 8 pixels) and a little more [form pixels].
constexpr double kPanelClearance = 12;

// The keys that step through the chart's objects, with no modifier.
std::optional<app::ObjectStep> StepOfKey(const QKeyEvent& key) {
  if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return std::nullopt;
  switch (key.key()) {
    case Qt::Key_Right:
      return app::ObjectStep::kNext;
    case Qt::Key_Left:
      return app::ObjectStep::kPrevious;
    case Qt::Key_Home:
      return app::ObjectStep::kFirst;
    case Qt::Key_End:
      return app::ObjectStep::kLast;
    default:
      return std::nullopt;
  }
}

// The keys that zoom the chart while it has the focus: + (or =, the same key
// unshifted), - and 0, on the main keys or the keypad.
std::optional<app::ZoomKey> ZoomKeyOf(const QKeyEvent& key) {
  if ((key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) != Qt::NoModifier) {
    return std::nullopt;
  }
  switch (key.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      return app::ZoomKey::kIn;
    case Qt::Key_Minus:
      return app::ZoomKey::kOut;
    case Qt::Key_0:
      return app::ZoomKey::kWhole;
    default:
      return std::nullopt;
  }
}

// The chart for assistive technology: an image, its words as description,
// read from the view whenever asked.
class ChartAccessible final : public QAccessibleWidget {
 public:
  explicit ChartAccessible(ChartView* view) : QAccessibleWidget(view, QAccessible::Graphic) {}
  QString text(QAccessible::Text kind) const override {
    const auto* view = static_cast<ChartView*>(widget());
    if (kind == QAccessible::Description) return view->Words();
    if (kind == QAccessible::Name && !view->Pointed().isEmpty()) return view->Pointed();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* ChartAccessibleFactory(const QString& /*class_name*/, QObject* object) {
  auto* view = dynamic_cast<ChartView*>(object);
  return view != nullptr ? new ChartAccessible(view) : nullptr;
}

}  // namespace

ChartView::ChartView(const chart::RecordingSurface& drawing, const app::Form1& form,
                     QWidget& window, std::function<void(const ZoomChange&)> zoom)
    : QWidget(&window),
      drawing_(drawing),
      form_(form),
      panel_(new ObjectPanel(window)),
      panel_time_(new QTimer(this)),
      zoom_(std::move(zoom)) {
  static const bool factory_installed = [] {
    QAccessible::installFactory(ChartAccessibleFactory);
    return true;
  }();
  (void)factory_installed;
  setObjectName(QStringLiteral("chart"));
  setAccessibleName(QStringLiteral("星図"));
  setAttribute(Qt::WA_OpaquePaintEvent);  // the chart's clear covers it: nothing beneath to paint
  lower();
  panel_time_->setSingleShot(true);
  panel_time_->setInterval(app::kObjectPanelMilliseconds);
  QObject::connect(panel_time_, &QTimer::timeout, this, [this] { HidePanel(); });
}

void ChartView::Show(chart::Colour sky, chart::Palette palette, double scale,
                     const std::string& words, bool announce) {
  sky_ = sky;
  palette_ = palette;
  scale_ = scale;
  const QString renewed = QString::fromStdString(words);
  const bool changed = renewed != words_;
  words_ = renewed;
  if (announce && changed && QAccessible::isActive()) {
    QAccessibleEvent news(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&news);
  }
  update();
  ShowHand();
  if (panel_->isVisible()) Point(pointer_.Follow(form_), false);
}

chart::WindowPoint ChartView::Twips(QPointF point) const {
  const double twips = app::kTwipsPerPixel / scale_;  // [twips per view pixel]
  return {point.x() * twips, point.y() * twips};
}

void ChartView::ShowHand() {
  if (!form_.ChartOnWindow || !form_.chartZoom.Magnified()) {
    unsetCursor();
  } else {
    setCursor(dragged_ ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
  }
}

void ChartView::Point(const std::optional<app::PointedObject>& object, bool news) {
  if (!object) {
    HidePanel();
    return;
  }
  pointed_ = QString::fromStdString(object->info.Text());
  const double pixels = scale_ / app::kTwipsPerPixel;  // [window pixels per twip]
  const QPoint centre = pos() + QPointF(object->x * pixels, object->y * pixels).toPoint();
  panel_->ShowBeside(pointed_, centre, qRound(kPanelClearance * scale_), scale_);
  if (!news) return;
  panel_time_->start();
  TellName();
}

void ChartView::HidePanel() {
  if (!panel_->isVisible()) return;
  panel_->hide();
  panel_time_->stop();
  pointed_.clear();
  TellName();
}

void ChartView::TellName() {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent named(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&named);
}

bool ChartView::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && panel_->isVisible() &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    event->accept();
    return true;
  }
  if (event->type() == QEvent::NativeGesture) {
    const auto* gesture = static_cast<QNativeGestureEvent*>(event);
    if (gesture->gestureType() == Qt::ZoomNativeGesture) {
      const double magnified = 1 + gesture->value();
      const chart::WindowPoint at = Twips(gesture->position());
      zoom_([magnified, at](chart::ChartZoom& zoom) {
        app::ZoomByGesture(zoom, 0, 0, magnified, at);
      });
      return true;
    }
  }
  return QWidget::event(event);
}

// The turn of the wheel, not the number of its events: a touchpad sends many small ones.
void ChartView::wheelEvent(QWheelEvent* event) {
  const double angle = event->angleDelta().y();  // [eighths of a degree]
  if (angle == 0) {
    QWidget::wheelEvent(event);
    return;
  }
  event->accept();
  const chart::WindowPoint at = Twips(event->position());
  zoom_([angle, at](chart::ChartZoom& zoom) { app::ZoomByWheel(zoom, angle, at); });
}

void ChartView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  pressed_ = event->position().toPoint();
  event->accept();
}

// Past the drag distance a press drags the magnified chart along.
void ChartView::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_ || !(event->buttons() & Qt::LeftButton)) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  event->accept();
  const QPointF at = event->position();
  if (!dragged_) {
    if ((at.toPoint() - *pressed_).manhattanLength() < QApplication::startDragDistance()) return;
    dragged_ = QPointF(*pressed_);
    ShowHand();
  }
  const chart::WindowPoint from = Twips(*dragged_), to = Twips(at);
  dragged_ = at;
  if (!form_.chartZoom.Magnified()) return;
  zoom_([from, to](chart::ChartZoom& zoom) { zoom.PanBy(to.x - from.x, to.y - from.y); });
}

// A press released within the drag distance is a click; one that moved is a drag.
void ChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const QPoint released = event->position().toPoint();
  const bool click =
      !dragged_ && (released - *pressed_).manhattanLength() < QApplication::startDragDistance();
  pressed_.reset();
  event->accept();
  if (dragged_) {
    dragged_.reset();
    ShowHand();
  }
  if (!click) return;
  const double twips = app::kTwipsPerPixel / scale_;  // [twips per view pixel]
  Point(pointer_.At(form_, released.x() * twips, released.y() * twips), true);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<app::ObjectStep> step = StepOfKey(*event)) {
    event->accept();
    Point(pointer_.Step(form_, *step), true);
    return;
  }
  if (const std::optional<app::ZoomKey> key = ZoomKeyOf(*event)) {
    event->accept();
    zoom_([key](chart::ChartZoom& zoom) { app::ZoomByKey(zoom, *key); });
    return;
  }
  if (event->key() == Qt::Key_Escape && panel_->isVisible()) {
    event->accept();
    HidePanel();
    return;
  }
  const bool menu_key = event->key() == Qt::Key_Menu ||
                        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (!menu_key) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  QMenu::exec(actions(), mapToGlobal(rect().center()), nullptr, this);
}

void ChartView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRegion(event->region());
  painter.scale(scale_, scale_);
  PaintChart(painter, drawing_, sky_, palette_);
}

}  // namespace platform
