#include "platform/window/almanac_dialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/qt/fonts.h"

namespace platform {
namespace {

// Type sizes [points]: read at a projector's distance, as the board is.
constexpr double kTitlePoints = 20;
constexpr double kTablePoints = 18;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* NewCaption(std::string_view text, QWidget& parent) {
  auto* caption = new QLabel(FromUtf8(text), &parent);
  caption->setFont(ControlFont(app::Font{app::kGothicFace, kTablePoints, true}));
  return caption;
}

// A table for reading only, as tall and wide as its cells, named by its caption.
QTableWidget* NewTable(const char* object_name, QLabel& caption, QWidget& parent) {
  auto* table = new QTableWidget(&parent);
  table->setObjectName(QString::fromUtf8(object_name));
  table->setAccessibleName(caption.text());
  table->setFont(ControlFont(app::Font{app::kGothicFace, kTablePoints}));
  table->horizontalHeader()->setFont(ControlFont(app::Font{app::kGothicFace, kTablePoints, true}));
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setWordWrap(false);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  return table;
}

// Fills a table with its column headings and rows of texts; the first cell of
// each row names it, in bold.
template <typename Headings, typename Row>
void Fill(QTableWidget& table, const Headings& headings, const std::vector<Row>& rows) {
  table.clear();
  table.setColumnCount(static_cast<int>(headings.size()));
  table.setRowCount(static_cast<int>(rows.size()));
  QStringList labels;
  for (const auto& heading : headings) labels.append(FromUtf8(heading));
  table.setHorizontalHeaderLabels(labels);
  QFont bold = table.font();
  bold.setBold(true);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(FromUtf8(rows[r][c]));
      item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      if (c == 0) item->setFont(bold);
      table.setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  table.resizeColumnsToContents();
  table.resizeRowsToContents();
}

}  // namespace

void AlmanacDialog::Make() {
  if (dialog_ != nullptr) return;
  dialog_ = new QDialog(&window_);
  dialog_->setObjectName(QStringLiteral("almanac"));
  dialog_->setWindowTitle(FromUtf8(app::kAlmanacWords.heading));
  dialog_->setModal(false);
  auto* layout = new QVBoxLayout(dialog_);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the tables' own size, nothing to scroll
  title_ = new QLabel(dialog_);
  title_->setObjectName(QStringLiteral("almanacTitle"));
  title_->setFont(ControlFont(app::Font{app::kGothicFace, kTitlePoints, true}));
  title_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  bodies_caption_ = NewCaption(app::kAlmanacWords.bodiesCaption, *dialog_);
  bodies_ = NewTable("almanacBodies", *bodies_caption_, *dialog_);
  facts_caption_ = NewCaption(app::kAlmanacWords.factsCaption, *dialog_);
  facts_ = NewTable("almanacFacts", *facts_caption_, *dialog_);
  auto* close = new QPushButton(FromUtf8(app::kAlmanacWords.close), dialog_);
  close->setFont(ControlFont(app::Font{app::kGothicFace, kTablePoints}));
  close->setAutoDefault(false);
  QObject::connect(close, &QPushButton::clicked, dialog_, &QDialog::close);
  // Each part at its own width, the tables as wide as their columns.
  for (QWidget* part :
       std::array<QWidget*, 5>{title_, bodies_caption_, bodies_, facts_caption_, facts_}) {
    layout->addWidget(part, 0, Qt::AlignLeft);
  }
  layout->addWidget(close, 0, Qt::AlignRight);
}

void AlmanacDialog::Show(const app::AlmanacTable& table) {
  Make();
  title_->setText(FromUtf8(table.title));
  Fill(*bodies_, app::kAlmanacColumns, table.bodies);
  std::vector<std::array<std::string, 2>> facts;
  for (const app::AlmanacFact& fact : table.facts) facts.push_back({fact.label, fact.value});
  Fill(*facts_, std::array{app::kAlmanacWords.factColumn, app::kAlmanacWords.valueColumn}, facts);
  ShowTables(true);
  Present();
}

void AlmanacDialog::ShowNoTable(std::string_view message) {
  Make();
  title_->setText(FromUtf8(message));
  ShowTables(false);
  Present();
}

void AlmanacDialog::ShowTables(bool shown) {
  for (QWidget* part : std::array<QWidget*, 4>{bodies_caption_, bodies_, facts_caption_, facts_}) {
    part->setVisible(shown);
  }
}

// In front, with the focus, so that Escape closes it at once.
void AlmanacDialog::Present() {
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

}  // namespace platform
