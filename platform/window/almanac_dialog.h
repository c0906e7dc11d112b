#pragma once

#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <string_view>

#include "app/almanac_table.h"
#include "app/services.h"

namespace platform {

// The almanac (暦) in a dialog of its own beside the window, which stays in
// use while it is open: the title, the table of risings, transits and
// settings, and the table of the Moon's and Venus's phases, in type large
// enough to read from the back of a classroom. Screen readers meet two tables
// named by their captions, with column headers. Escape or "閉じる" closes it;
// the next press of "暦" opens it again with the new day.
class AlmanacDialog final : public app::AlmanacDisplay {
 public:
  // Given: the window the dialog belongs to; it must outlive the dialog.
  explicit AlmanacDialog(QWidget& window) : window_(window) {}

  void Show(const app::AlmanacTable& table) override;
  void ShowNoTable(std::string_view message) override;

 private:
  void Make();
  void ShowTables(bool shown);  // the captions and tables, hidden beneath a message
  void Present();

  QWidget& window_;
  // Made when first shown (the window may never need it), owned by the window.
  QDialog* dialog_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* bodies_caption_ = nullptr;
  QTableWidget* bodies_ = nullptr;
  QLabel* facts_caption_ = nullptr;
  QTableWidget* facts_ = nullptr;
};

}  // namespace platform
