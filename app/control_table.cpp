#include "app/control_table.h"

#include <cstddef>

#include "app/form.h"

namespace app {
namespace {

std::string Indexed(const char* array, std::size_t i) {
  return std::string(array) + "(" + std::to_string(i) + ")";
}

// "12行目 高度": readout label index 11 of the altitude column; rows count from 1.
std::string ReadoutCellName(std::size_t index, const char* column) {
  return std::to_string(index + 1) + "行目 " + column;
}

}  // namespace

std::vector<ControlEntry> FormControls(Form1& form) {
  std::vector<ControlEntry> table;
  Label* const captions[] = {&form.Label1, &form.Label2, &form.Label3, &form.Label4, &form.Label5,
                             &form.Label6, &form.Label7, &form.Label8, &form.Label9, &form.Label10};
  for (std::size_t i = 0; i < std::size(captions); ++i) {
    table.push_back(
        {"Label" + std::to_string(i + 1), captions[i], ControlLayer::kCaption, true, nullptr, ""});
  }
  table.push_back({"lblCHUI", &form.lblCHUI, ControlLayer::kCaption, true, nullptr, ""});
  const auto input = [&table](std::string name, ControlRef control, std::string accessible_name) {
    table.push_back({std::move(name), control, ControlLayer::kInput, true, nullptr,
                     std::move(accessible_name)});
  };
  // Each box and interval list is named by the caption beside it; the site
  // list has no caption of its own (Label10 beside it shows the chosen site).
  input("lstCITY", &form.lstCITY, "観測地");
  const Label* const date_units[] = {&form.Label2, &form.Label3, &form.Label4, &form.Label5,
                                     &form.Label6};
  for (std::size_t i = 0; i < form.txtYMD.size(); ++i) {
    input(Indexed("txtYMD", i), &form.txtYMD[i], date_units[i]->Caption);
  }
  input("txtIDO", &form.txtIDO, form.Label1.Caption);
  input("txtKEIDO", &form.txtKEIDO, form.Label7.Caption);
  input("lstINTV1", &form.lstINTV1, form.Label8.Caption);
  input("lstINTV2", &form.lstINTV2, form.Label9.Caption);
  for (std::size_t i = 0; i < form.optDIR.size(); ++i) {
    input(Indexed("optDIR", i), &form.optDIR[i], form.optDIR[i].Caption);
  }
  for (std::size_t i = 0; i < form.chkOP.size(); ++i) {
    input(Indexed("chkOP", i), &form.chkOP[i], form.chkOP[i].Caption);
  }
  // The buttons keep the toolkit's own look in both schemes.
  const auto button = [&table](std::string name, CommandButton* control, void (Form1::*click)()) {
    table.push_back(
        {std::move(name), control, ControlLayer::kInput, false, click, control->Caption});
  };
  button("Command1", &form.Command1, &Form1::Command1_Click);
  button("Command2", &form.Command2, &Form1::Command2_Click);
  button("Command3", &form.Command3, &Form1::Command3_Click);
  for (std::size_t row = 0; row < kReadoutLabels; ++row) {
    table.push_back({Indexed("lblST", row), &form.lblST[row], ControlLayer::kReadout, true, nullptr,
                     ReadoutCellName(row, kReadoutColumns[0])});
    table.push_back({Indexed("lblH", row), &form.lblH[row], ControlLayer::kReadout, true, nullptr,
                     ReadoutCellName(row, kReadoutColumns[1])});
    table.push_back({Indexed("lblV", row), &form.lblV[row], ControlLayer::kReadout, true, nullptr,
                     ReadoutCellName(row, kReadoutColumns[2])});
  }
  button("cmdKOYOMI", &form.cmdKOYOMI, &Form1::cmdKOYOMI_Click);
  return table;
}

Control& Base(const ControlEntry& entry) {
  return std::visit([](auto* control) -> Control& { return *control; }, entry.control);
}

}  // namespace app
