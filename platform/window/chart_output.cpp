#include "platform/window/chart_output.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
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
#include "platform/window/picture_save_dialog.h"

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

// A printer gives no reason when it cannot start or finish a job.
void TellPrinterFailure(QWidget& window, const QPrinter& printer, const QString& reason) {
  Tell(window, QStringLiteral("星図を印刷できませんでした。"),
       QStringLiteral("プリンター: ") + printer.printerName(), reason);
}

// Where the chart's files start, saved or printed: the user's pictures
// folder, or the current folder where there is none.
QDir ChartFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return !pictures.isEmpty() && QDir(pictures).exists() ? QDir(pictures) : QDir::current();
}

// The file, named for the chart, that the save and print dialogs offer.
QString OfferedFile(const app::ChartSubject& subject, const char* suffix) {
  return ChartFolder().filePath(QString::fromStdString(app::ChartFileName(subject)) + suffix);
}

// Qt's print dialog shows the printer's output file in its file box, and
// otherwise a name of its own in the current or the home folder. Naming a
// PDF file also turns the printer to PDF output, and the dialog would then
// open on its file entry: the printer chosen before is chosen again.
void OfferPrintFile(QPrinter& printer, const QString& path) {
  const QString printer_name = printer.printerName();  // empty without a printer
  printer.setOutputFileName(path);
  if (!printer_name.isEmpty()) printer.setPrinterName(printer_name);
}

// True when the dialog chose its file entry (PDF to a file) over a printer.
bool PrintsToFile(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

}  // namespace

void SaveChart(QWidget& window, const chart::RecordingSurface& drawing, chart::Colour sky,
               const app::ChartSubject& subject) {
  PictureSaveDialog dialog(window, QStringLiteral("星図を保存"), OfferedFile(subject, ".png"),
                           QStringLiteral("PNG 画像 (*.png);;SVG 画像 (*.svg);;PDF 文書 (*.pdf)"));
  if (dialog.exec() != QDialog::Accepted) return;
  const QString path = dialog.ChosenFile();
  const auto failure = WriteChartPicture(path.toStdString(), drawing, sky, chart::Palette::kScreen,
                                         PixelRatio(window));
  if (failure) {
    Tell(window, QStringLiteral("星図を保存できませんでした。"),
         QStringLiteral("ファイル: ") + path, JapaneseReason(*failure));
  }
}

// A PDF file is drawn in memory and written whole, as the command line's
// print writes it: a full disk leaves an older file as it was, and says so.
void PrintChart(QWidget& window, const chart::RecordingSurface& drawing, chart::Colour sky,
                const app::ChartSubject& subject) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(ChartPageLayout());
  printer.setDocName(QString::fromStdString(app::ChartFileName(subject)));
  OfferPrintFile(printer, OfferedFile(subject, ".pdf"));
  QPrintDialog dialog(&printer, &window);
  dialog.setWindowTitle(QStringLiteral("星図を印刷"));
  if (dialog.exec() != QDialog::Accepted) return;
  const std::string caption = app::ChartCaption(subject);
  if (PrintsToFile(printer)) {
    const QString path = printer.outputFileName();
    const auto failure =
        WritePrintedPage(path.toStdString(), drawing, sky, caption, printer.pageLayout());
    if (failure) {
      Tell(window, QStringLiteral("星図を印刷できませんでした。"),
           QStringLiteral("ファイル: ") + path, JapaneseReason(*failure));
    }
    return;
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    TellPrinterFailure(window, printer, QStringLiteral("印刷を始められませんでした"));
    return;
  }
  PaintChartPage(painter, drawing, sky, caption);
  if (!painter.end()) {
    TellPrinterFailure(window, printer, QStringLiteral("印刷を終えられませんでした"));
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
