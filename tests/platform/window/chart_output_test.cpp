// What the window does with its chart: save, print and copy it, from its keys
// and from the chart's menu; nothing of it before a chart is drawn.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/painter_surface.h"
#include "platform/window/main_window.h"
#include "tests/platform/fakes.h"
#include "tests/platform/qt/file_size_limit.h"
#include "tests/platform/window/widgets.h"

namespace platform {
namespace {

using platform_test::Find;

struct IgnoredProcess final : app::Process {
  void End() override {}
};

// Runs `answer` on the dialog the next event loop turn brings up; any other
// box that opens instead is closed, so that a failure cannot hang the test.
template <class Dialog>
void WhenOpen(std::function<void(Dialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<Dialog*>(modal);
    if (dialog == nullptr) {
      ADD_FAILURE() << "another box: " << (modal ? modal->metaObject()->className() : "none");
      if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
      return;
    }
    answer(*dialog);
  });
}

// Closes each message box that opens while it lives, keeping the last one's
// informative text: a box no case waits for cannot hang the test.
class BoxCloser {
 public:
  BoxCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        told = box->informativeText();
        box->accept();
      }
    });
    timer_.start(10);
  }
  QString told;

 private:
  QTimer timer_;
};

class ChartOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  }
  QAction* Action(const char* text) {
    for (QAction* action : Find<QWidget>(w, "chart").actions()) {
      if (action->text() == QString::fromUtf8(text)) return action;
    }
    ADD_FAILURE() << "no action " << text;
    return nullptr;
  }
  void DrawChart() { Find<QPushButton>(w, "Command3").click(); }
  // The print dialog's box for the PDF file it prints to, or the save
  // dialog's for the name typed.
  static QLineEdit* FileBox(QPrintDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
  }
  static QLineEdit* FileBox(QFileDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  }
  // Prints to a PDF file through the print dialog. Returned: what the box
  // that followed said, its text and its details; empty for no box.
  QString PrintToFile(const QString& path) {
    QString told;
    Press<QPrintDialog>(Qt::Key_P, [&](QPrintDialog& dialog) {
      WhenOpen<QMessageBox>([&told](QMessageBox& box) {
        told = box.text() + "\n" + box.informativeText();
        box.accept();
      });
      ASSERT_NE(FileBox(dialog), nullptr);
      FileBox(dialog)->setText(path);
      dialog.accept();
    });
    return told;
  }
  QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
  // Ctrl and a key pressed in the window, which must be the active one for its
  // keys to work, and the dialog it opens answered.
  template <class Dialog>
  void Press(Qt::Key key, std::function<void(Dialog&)> answer) {
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    WhenOpen<Dialog>(std::move(answer));
    QTest::keyClick(&w, key, Qt::ControlModifier);
  }

  platform_test::FixedClock clock;
  platform_test::MemoryStartFile start_file;
  IgnoredProcess process;
  MainWindow w{clock, start_file, process};
  QTemporaryDir dir;
};

// The chart's menu in Japanese: save, print, copy, zoom and full screen, each
// with its key; the first three wait for a chart, zooming out for a magnified one.
TEST_F(ChartOutputTest, TheChartsMenuOffersSavePrintCopyAndFullScreen) {
  QWidget& chart = Find<QWidget>(w, "chart");
  EXPECT_EQ(chart.contextMenuPolicy(), Qt::ActionsContextMenu);
  QStringList texts;
  for (QAction* action : chart.actions()) {
    if (!action->isSeparator()) texts << action->text() + " " + action->shortcut().toString();
  }
  EXPECT_EQ(texts,
            (QStringList{"星図を保存... Ctrl+S", "印刷... Ctrl+P", "コピー Ctrl+C", "拡大 Ctrl++",
                         "縮小 Ctrl+-", "全体を表示 Ctrl+0", "全画面表示 F11"}));
  for (const char* waits : {"星図を保存...", "印刷...", "コピー", "拡大", "縮小", "全体を表示"}) {
    EXPECT_FALSE(Action(waits)->isEnabled()) << waits;
  }
  DrawChart();
  for (const char* ready : {"星図を保存...", "印刷...", "コピー", "拡大"}) {
    EXPECT_TRUE(Action(ready)->isEnabled()) << ready;
  }
  Action("拡大")->trigger();
  for (const char* ready : {"縮小", "全体を表示"}) {
    EXPECT_TRUE(Action(ready)->isEnabled()) << ready;
  }
}

// The menu opens from the keyboard too, on the chart with the focus: the
// menu key or Shift+F10.
TEST_F(ChartOutputTest, TheChartsMenuOpensFromTheKeyboard) {
  QWidget& chart = Find<QWidget>(w, "chart");
  for (const auto& [key, modifiers] :
       {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers{}},
        std::pair{Qt::Key_F10, Qt::KeyboardModifiers{Qt::ShiftModifier}}}) {
    chart.setFocus(Qt::TabFocusReason);
    qsizetype items = -1;  // in the menu that opened, if one did
    QTimer::singleShot(50, [&items] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        items = menu->actions().size();
        menu->close();
      }
    });
    QTest::keyClick(&chart, key, modifiers);
    QTest::qWait(100);
    EXPECT_EQ(items, 9) << key;  // seven actions and two separators
  }
}

// Ctrl+C on the chart puts the chart as shown on the clipboard; in a text box
// it copies the box's text, as ever.
TEST_F(ChartOutputTest, CtrlCCopiesTheChartOrTheBoxesText) {
  DrawChart();
  QWidget& chart = Find<QWidget>(w, "chart");
  chart.setFocus();
  QTest::keyClick(&chart, Qt::Key_C, Qt::ControlModifier);
  const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(copied, chart.grab().toImage().convertToFormat(QImage::Format_RGB32));

  QLineEdit& year = Find<QLineEdit>(w, "txtYMD(0)");
  year.setFocus();
  year.selectAll();
  QTest::keyClick(&year, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "2000");
}

// Ctrl+S offers a name from the site, date, time and direction and writes the
// picture chosen by its ending.
TEST_F(ChartOutputTest, CtrlSSavesThePictureUnderTheNameChosen) {
  DrawChart();
  for (const char* name : {"sky.png", "sky.svg", "sky.pdf"}) {
    SCOPED_TRACE(name);
    QString offered;
    const QString path = dir.filePath(QString::fromUtf8(name));
    Press<QFileDialog>(Qt::Key_S, [&offered, path](QFileDialog& dialog) {
      offered = dialog.selectedFiles().value(0);
      dialog.selectFile(path);
      QMetaObject::invokeMethod(&dialog, "accept");
    });
    EXPECT_TRUE(offered.endsWith(QStringLiteral("東京_2000-01-01_2100_南.png")))
        << offered.toStdString();
    EXPECT_TRUE(QFile::exists(path));
  }
  EXPECT_EQ(QImage(dir.filePath("sky.png")).size(), QSize(kClientWidthPx, kClientHeightPx));
}

// Ctrl+P prints through the print dialog: here to a PDF file, one landscape
// page.
TEST_F(ChartOutputTest, CtrlPPrintsThePage) {
  DrawChart();
  const QString path = dir.filePath(QStringLiteral("page.pdf"));
  bool landscape = false;
  Press<QPrintDialog>(Qt::Key_P, [&](QPrintDialog& dialog) {
    landscape = dialog.printer()->pageLayout().orientation() == QPageLayout::Landscape;
    // Without a printer the dialog prints to a file, named in its own box.
    ASSERT_NE(FileBox(dialog), nullptr);
    FileBox(dialog)->setText(path);
    dialog.accept();
  });
  EXPECT_TRUE(landscape);
  QFile page(path);
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  EXPECT_TRUE(page.read(5) == "%PDF-");
}

// A page that cannot be printed (here: its file's folder is missing) is told
// in a box naming the file, not dropped in silence.
TEST_F(ChartOutputTest, APrintThatFailsSaysSo) {
  DrawChart();
  const QString path = dir.filePath(QStringLiteral("missing/page.pdf"));
  const QString told = PrintToFile(path);
  EXPECT_TRUE(told.startsWith(QStringLiteral("星図を印刷できませんでした。\nファイル: ") + path))
      << told.toStdString();
}

// Save and print start in one folder with the chart's name: the print
// dialog's file box holds the name the save dialog offers, as a PDF.
TEST_F(ChartOutputTest, PrintOffersTheFileSaveOffersAsAPdf) {
  DrawChart();
  QString saved;
  Press<QFileDialog>(Qt::Key_S, [&saved](QFileDialog& dialog) {
    saved = dialog.selectedFiles().value(0);
    dialog.reject();
  });
  QString printed;
  Press<QPrintDialog>(Qt::Key_P, [&printed](QPrintDialog& dialog) {
    ASSERT_NE(FileBox(dialog), nullptr);
    printed = FileBox(dialog)->text();
    dialog.reject();
  });
  ASSERT_TRUE(saved.endsWith(".png")) << saved.toStdString();
  EXPECT_EQ(printed.toStdString(), saved.chopped(4).toStdString() + ".pdf");
}

// A name typed without a suffix takes the type chosen; one with double quotes
// is the one name it is (Qt's dialog would read "a" "b" as names in quotes);
// an existing file is replaced once the user says yes; a name of no picture
// type is refused in Japanese.
TEST_F(ChartOutputTest, CtrlSSavesTheNameAsTypedWithTheChosenTypesSuffix) {
  DrawChart();
  struct Case {
    const char* typed;
    const char* filter;
    const char* saved;  // the one file in the folder afterwards
    const char* told;   // in the failure box, if any
  };
  const Case cases[] = {
      {"sky", "SVG 画像 (*.svg)", "sky.svg", ""},
      {"星\"図", "PNG 画像 (*.png)", "星\"図.png", ""},
      {"\"a\" \"b\"", "PDF 文書 (*.pdf)", "\"a\" \"b\".pdf", ""},
      {"sky.txt", "PNG 画像 (*.png)", "",
       "理由: ファイル名が .png、.svg、.pdf のどれでも終わっていません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    for (const QString& file : Files()) QFile::remove(dir.filePath(file));
    const BoxCloser boxes;
    Press<QFileDialog>(Qt::Key_S, [&](QFileDialog& dialog) {
      dialog.setDirectory(dir.path());
      dialog.selectNameFilter(QString::fromUtf8(c.filter));
      QLineEdit* name = FileBox(dialog);
      ASSERT_NE(name, nullptr);
      name->setText(QString::fromUtf8(c.typed));
      QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_EQ(Files().join(" ").toStdString(), c.saved);
    EXPECT_EQ(boxes.told.section(u'\n', -1).toStdString(), c.told);
  }
  // An existing file, replaced once the user says yes.
  const QString existing = dir.filePath(QStringLiteral("\"a\" \"b\".pdf"));
  QFile older(existing);
  ASSERT_TRUE(older.open(QIODevice::WriteOnly));
  older.close();
  QString asked;
  Press<QFileDialog>(Qt::Key_S, [&](QFileDialog& dialog) {
    dialog.setDirectory(dir.path());
    QLineEdit* name = FileBox(dialog);
    ASSERT_NE(name, nullptr);
    name->setText(QStringLiteral("\"a\" \"b\".pdf"));
    WhenOpen<QMessageBox>([&asked](QMessageBox& box) {
      asked = box.text();
      QAbstractButton* yes = box.button(QMessageBox::Yes);
      yes != nullptr ? yes->click() : box.reject();
    });
    QTest::keyClick(name, Qt::Key_Return);
  });
  EXPECT_TRUE(asked.startsWith(QStringLiteral("\"a\" \"b\".pdf"))) << asked.toStdString();
  ASSERT_TRUE(older.open(QIODevice::ReadOnly));
  EXPECT_EQ(older.read(5), "%PDF-");
}

// A page printed to a PDF file on a full disk: the older file is left whole,
// nothing else is left behind, and a box names the file and the reason.
TEST_F(ChartOutputTest, APrintToAFullDiskKeepsTheOlderFileAndSaysWhy) {
  DrawChart();
  const QString path = dir.filePath(QStringLiteral("page.pdf"));
  QFile older(path);
  ASSERT_TRUE(older.open(QIODevice::WriteOnly));
  older.write("%PDF-1.4 an older page, whole");
  older.close();
  QString told;
  {
    const platform_test::FileSizeLimit full_disk(16);
    told = PrintToFile(path);
  }
  ASSERT_TRUE(older.open(QIODevice::ReadOnly));
  EXPECT_EQ(older.readAll().toStdString(), "%PDF-1.4 an older page, whole");
  EXPECT_EQ(Files().join(" ").toStdString(), "page.pdf");
  EXPECT_EQ(told.toStdString(), "星図を印刷できませんでした。\nファイル: " + path.toStdString() +
                                    "\n理由: ファイルが大きすぎます");
}

}  // namespace
}  // namespace platform
