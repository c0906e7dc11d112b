#include "app/sky_request.h"

#include <cstddef>

#include "app/control_lookup.h"
#include "app/form.h"
#include "app/sites.h"

namespace app {
namespace {

bool IsDecimalDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The azimuth the selected direction's view is centred on [degrees]; north
// while none is selected.
double SelectedViewAzimuth(const Form1& form) {
  for (std::size_t d = 0; d < form.optDIR.size(); ++d) {
    if (form.optDIR[d].Value) return chart::kDirectionRows[d].centreAzimuth;
  }
  return chart::kDirectionRows[0].centreAzimuth;
}

}  // namespace

std::vector<RequestFault> ApplyRequest(Form1& form, const SkyRequest& request) {
  std::vector<RequestFault> faults;
  if (request.site) {
    if (const auto position = FindSite(*request.site)) {
      form.lstCITY.ListIndex = *position;
      form.ApplySiteSelection();
    } else {
      faults.push_back(RequestFault::kUnknownSite);
    }
  }
  // Coordinates without a site are typed coordinates: the typed entry
  // computes with them, where a named site would put its own in their place.
  if ((request.latitude || request.longitude) && !request.site) {
    form.lstCITY.ListIndex = kTypedEntryPosition;
  }
  if (request.latitude) form.txtIDO.Text = *request.latitude;
  if (request.longitude) form.txtKEIDO.Text = *request.longitude;
  for (std::size_t b = 0; b < form.txtYMD.size(); ++b) {
    if (request.instant) form.txtYMD[b].Text = (*request.instant)[b];
    if (request.dateBoxes[b]) form.txtYMD[b].Text = *request.dateBoxes[b];
  }
  if (request.direction) {
    for (std::size_t d = 0; d < form.optDIR.size(); ++d) {
      form.optDIR[d].Value = static_cast<int>(d) == *request.direction;
    }
  }
  for (const chart::OptionRow& option : chart::kOptionRows) {
    if (request.options.Has(option.id)) form.chkOP[static_cast<std::size_t>(option.id)].Value = 1;
  }
  if (request.step) {
    if (const auto position = FindStep(form.lstINTV1.items, *request.step)) {
      form.lstINTV1.ListIndex = *position;
    } else {
      faults.push_back(RequestFault::kUnknownStep);
    }
  }
  if (request.zoom || request.centre) {
    const double factor = request.zoom.value_or(form.chartZoom.Factor());
    if (!request.centre) {
      form.chartZoom.Reset();
      form.chartZoom.ZoomAbout(factor, {chart::kChartWidth / 2, chart::kChartHeight / 2});
    } else if (const auto zoom =
                   chart::ChartZoom::Toward(factor, *request.centre, SelectedViewAzimuth(form))) {
      form.chartZoom = *zoom;
    } else {
      faults.push_back(RequestFault::kCentreNotInView);
    }
  }
  return faults;
}

SkyRequest RequestFromForm(const Form1& form) {
  SkyRequest request;
  const int site = form.lstCITY.ListIndex;
  if (site >= 0 && site < kSiteCount) request.site = std::to_string(site);
  if (!UsesTableCoordinates(site)) {
    request.latitude = form.txtIDO.Text;
    request.longitude = form.txtKEIDO.Text;
  }
  std::array<std::string, 5> boxes;
  bool plain = true;
  for (std::size_t b = 0; b < boxes.size(); ++b) {
    boxes[b] = form.txtYMD[b].Text;
    plain = plain && IsDecimalDigits(boxes[b]);
  }
  if (plain) {
    request.instant = boxes;
  } else {
    for (std::size_t b = 0; b < boxes.size(); ++b) request.dateBoxes[b] = boxes[b];
  }
  for (std::size_t d = 0; d < form.optDIR.size(); ++d) {
    if (form.optDIR[d].Value) request.direction = static_cast<int>(d);
  }
  for (const chart::OptionRow& option : chart::kOptionRows) {
    request.options.Set(option.id, form.chkOP[static_cast<std::size_t>(option.id)].Value == 1);
  }
  const std::string step = form.lstINTV1.Text();
  if (!TrimBlanks(step).empty()) request.step = std::string(TrimBlanks(step));
  if (form.chartZoom.Magnified()) {
    request.zoom = form.chartZoom.Factor();
    request.centre = form.chartZoom.CentrePlace(SelectedViewAzimuth(form));
  }
  return request;
}

}  // namespace app
