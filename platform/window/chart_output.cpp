#include "platform/window/chart_output.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <cmath>

#include "platform/qt/chart_picture.h"
#include "platform/qt/image_export.h"
#include "platform/qt/painter_surface.h"
#include "platform/qt/print_page.h"
#include "platform/window/failure_reason.h"

namespace platform {
namespace {

// The pixels per logical pixel of the screen the window is on, at least 1.
int PixelRatio(const QWidget& window) {
  return std::max(1, static_cast<int>(std::lround(window.devicePixelRatioF())));
}

// `place` names where the chart was going: "ファイル: …" or "プリンター: …".
void Tell(QWidget& window, const QString& what, const QString& place, const QString& reason) {
  QMessageBox box(QMessageBox::Warning, window.windowTitle(), what, QMessageBox::Ok, &window);
  box.setInformativeText(QStringLiteral("%1\n理由: %2").arg(place, reason));
  box.exec();
}

// The file a printer writes, or else the printer itself; Qt gives no reason
// when a printer cannot start or finish a job.
void TellPrintFailure(QWidget& window, const QPrinter& printer, const QString& reason) {
  const QString place = printer.outputFileName().isEmpty()
                            ? QStringLiteral("プリンター: ") + printer.printerName()
                            : QStringLiteral("ファイル: ") + printer.outputFileName();
  Tell(window, QStringLiteral("星図を印刷できませんでした。"), place, reason);
}

}  // namespace

void SaveChart(QWidget& window, const chart::RecordingSurface& drawing, chart::Colour sky,
               const app::ChartSubject& subject) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::currentPath();
  const QString offered =
      QDir(folder).filePath(QString::fromStdString(app::ChartFileName(subject)) + ".png");
  const QString path = QFileDialog::getSaveFileName(
      &window, QStringLiteral("星図を保存"), offered,
      QStringLiteral("PNG 画像 (*.png);;SVG 画像 (*.svg);;PDF 文書 (*.pdf)"));
  if (path.isEmpty()) return;
  const auto failure = WritePicture(
      path.toStdString(), kFormSizePx, PixelRatio(window),
      [&](QPainter& painter) { PaintChart(painter, drawing, sky, chart::Palette::kScreen); });
  if (failure) {
    Tell(window, QStringLiteral("星図を保存できませんでした。"),
         QStringLiteral("ファイル: ") + path, JapaneseReason(*failure));
  }
}

void PrintChart(QWidget& window, const chart::RecordingSurface& drawing, chart::Colour sky,
                const app::ChartSubject& subject) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(ChartPageLayout());
  printer.setDocName(QString::fromStdString(app::ChartFileName(subject)));
  QPrintDialog dialog(&printer, &window);
  dialog.setWindowTitle(QStringLiteral("星図を印刷"));
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&printer)) {
    TellPrintFailure(window, printer, QStringLiteral("印刷を始められませんでした"));
    return;
  }
  PaintChartPage(painter, drawing, sky, app::ChartCaption(subject));
  if (!painter.end()) {
    TellPrintFailure(window, printer, QStringLiteral("印刷を終えられませんでした"));
  }
}

void CopyChart(const QWidget& window, const chart::RecordingSurface& drawing, chart::Colour sky) {
  const int ratio = PixelRatio(window);
  QImage image(kFormSizePx * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  QPainter painter(&image);
  PaintChart(painter, drawing, sky, chart::Palette::kScreen);
  painter.end();
  QGuiApplication::clipboard()->setImage(image);
}

}  // namespace platform
