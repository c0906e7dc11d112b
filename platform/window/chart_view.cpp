#include "platform/window/chart_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

#include "platform/qt/chart_picture.h"

namespace platform {
namespace {

// The chart for assistive technology: an image, its words as description,
// read from the view whenever asked.
class ChartAccessible final : public QAccessibleWidget {
 public:
  explicit ChartAccessible(ChartView* view) : QAccessibleWidget(view, QAccessible::Graphic) {}
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Description) return static_cast<ChartView*>(widget())->Words();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* ChartAccessibleFactory(const QString& /*class_name*/, QObject* object) {
  auto* view = dynamic_cast<ChartView*>(object);
  return view != nullptr ? new ChartAccessible(view) : nullptr;
}

}  // namespace

ChartView::ChartView(const chart::RecordingSurface& drawing, QWidget& window)
    : QWidget(&window), drawing_(drawing) {
  static const bool factory_installed = [] {
    QAccessible::installFactory(ChartAccessibleFactory);
    return true;
  }();
  (void)factory_installed;
  setObjectName(QStringLiteral("chart"));
  setAccessibleName(QStringLiteral("星図"));
  setAttribute(Qt::WA_OpaquePaintEvent);  // the chart's clear covers it: nothing beneath to paint
  lower();
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
}

void ChartView::keyPressEvent(QKeyEvent* event) {
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
